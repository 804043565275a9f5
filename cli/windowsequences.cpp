#include "windowsequences.h"

#include "macroencoder.h"
#include "session.h"

#include "store/keycatalogue.h"
#include "store/languagestrings.h"

#include <algorithm>

namespace {

constexpr std::array<int, 8> kDefaultDpiValues = {500, 1000, 1500, 2000, 3000, 4000, 5000, 6000};
constexpr int kMinSystemSlider = 3;
constexpr int kMaxSystemSlider = 337;
constexpr int kSecondDpiStage = 2;
constexpr int kNormalMatrix = 1;

// Guns 0..2 as the factory reset leaves them.
struct GunReset
{
    const char* name;
    int y;
};
constexpr GunReset kGunResets[] = {{"M416", 5}, {"AKM", 7}, {"M16A4", 8}};
constexpr int kGunResetPeriod = 9;
constexpr int kBuiltInGunPeriod = 10;

int toInt(const QVariant& value, int fallback)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

QVariantList toVariants(const std::array<int, 24>& values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

QVariantList builtInGun(int row)
{
    const char* name = row < 3 ? kGunResets[row].name : "";
    return {QString::fromLatin1(name), QStringLiteral("L-Click"), QStringLiteral("10"), QStringLiteral("0"),
            QStringLiteral("10"), QStringLiteral("0")};
}

} // namespace

QList<ButtonEntry> WindowSequences::buttonList() const
{
    QList<ButtonEntry> entries;
    for (int button = 0; button < SettingKey::kButtonCount; ++button) {
        const QVariantList stored = m_session.controller().mouseGetKeydefine(button, false);
        ButtonEntry entry{};
        for (int i = 0; i < 4; ++i)
            entry[std::size_t(i)] = toInt(stored.value(i), 0);
        entries.append(entry);
    }
    return entries;
}

QVariantList WindowSequences::gunPeriods() const
{
    QStringList chosen = m_session.store().getGlobalData(SettingKey::kGlobalSelectGun).toStringList();
    if (chosen.size() != SettingKey::kGunSlotCount)
        chosen = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    QVariantList periods;
    for (const QString& gun : chosen) {
        const QVariantList record = m_session.guns().getGunData(gun.trimmed());
        periods.append(toInt(record.value(2), kBuiltInGunPeriod));
    }
    return periods;
}

void WindowSequences::saveButtonList(const QList<ButtonEntry>& entries)
{
    QVariantList flat;
    for (const ButtonEntry& entry : entries)
        for (int byte : entry)
            flat.append(byte);
    m_session.controller().mouseSetKeyMatrix(flat, true, gunPeriods());
}

QVariantList WindowSequences::macroPayload(const QString& name) const
{
    const QString language = m_session.store().getGlobalData(SettingKey::kLanguage).toString();
    const KeyTable keys = KeyTable::forLanguage(LanguageStrings::getLangStrings(QStringLiteral("keyCode"), language));
    const StoredMacro macro = splitStoredMacro(m_session.macros().loadMacroIni(name));
    return encodeMacro(macro.actions, macro.repeat, keys);
}

void WindowSequences::sendMacro(int slot, const QString& name)
{
    m_session.controller().mouseSendMacroData(macroPayload(name), slot);
}

WindowSequences::DpiPanel WindowSequences::dpiPanel() const
{
    const SettingsStore& store = m_session.store();
    DpiPanel panel;
    panel.dpiCount = toInt(store.getData(SettingKey::kDpiCount, false), panel.dpiCount);
    panel.currentDpiCount = toInt(store.getData(SettingKey::kCurrentDpiCount, false), panel.currentDpiCount);
    panel.limits.minDpi = toInt(store.getGlobalData(SettingKey::kMinDpi), panel.limits.minDpi);
    panel.limits.maxDpi = toInt(store.getGlobalData(SettingKey::kMaxDpi), panel.limits.maxDpi);
    panel.limits.dpiBase = toInt(store.getGlobalData(SettingKey::kDpiBase), panel.limits.dpiBase);
    const QVariant sensor = store.getGlobalData(SettingKey::kSensorType);
    panel.sensorType = sensor.isValid() ? sensor.toString() : QStringLiteral("3360");
    const QVariantList stored = store.getDataList(SettingKey::kDpiValueArray, false);
    for (std::size_t stage = 0; stage < panel.values.size(); ++stage) {
        const int value = toInt(stored.value(qsizetype(stage)), kDefaultDpiValues[stage]);
        panel.values[stage] = dpiShownBySlider(value, panel.limits);
    }
    return panel;
}

void WindowSequences::saveDpi(const DpiPanel& panel)
{
    QVariantList values;
    for (int v : panel.values)
        values.append(v);
    SettingsStore& store = m_session.store();
    store.setDataList(SettingKey::kDpiValueArray, values);
    store.setData(SettingKey::kCurrentDpiCount, panel.currentDpiCount);
    m_session.controller().mouseSetDpi(panel.currentDpiCount, panel.sensorType, values);
}

WindowSequences::LightPanel WindowSequences::lightPanel() const
{
    const SettingsStore& store = m_session.store();
    const QVariantList light = store.getDataList(SettingKey::kLightValue, false);
    const QVariantList colours = store.getDataList(SettingKey::kColorValue, false);
    LightPanel panel;
    // The sliders have five steps; a stored step off the track lands on its end.
    panel.effect = std::max(toInt(light.value(0), 0), 0);
    panel.speed = std::clamp(toInt(light.value(1), 0), 0, kLightSteps - 1);
    panel.brightness = std::clamp(toInt(light.value(2), 0), 0, kLightSteps - 1);
    for (std::size_t i = 0; i < panel.colours.size(); ++i)
        panel.colours[i] = std::clamp(toInt(colours.value(qsizetype(i)), 0), 0, 255);
    return panel;
}

void WindowSequences::saveLighting(const LightPanel& panel)
{
    SettingsStore& store = m_session.store();
    std::array<int, 24> colours = panel.colours;
    // Only "Breath Loop" (row 4) owns the eighth colour on such a mouse.
    if (store.is55328() && panel.effect != 4)
        std::fill(colours.begin() + 21, colours.end(), 0);
    store.setDataList(SettingKey::kLightValue, {panel.effect, panel.speed, panel.brightness});
    store.setDataList(SettingKey::kColorValue, toVariants(colours));
    MouseController& controller = m_session.controller();
    controller.mouseSetRGBEffect(uchar(panel.effect), uchar(panel.speed), uchar(panel.brightness));
    controller.mouseSetRGBColor(store.isColorful() ? 0 : 1, toVariants(colours));
}

int WindowSequences::reportRateRow() const
{
    const int row = toInt(m_session.store().getData(SettingKey::kReportRate, false), -1);
    return row >= 0 && row < int(std::size(kRateRows)) ? row : -1;
}

void WindowSequences::saveReportRate(int row)
{
    m_session.store().setData(SettingKey::kReportRate, row);
    m_session.controller().mouseSetReportRate(uchar(kRateRows[row].interval));
}

void WindowSequences::sendSystemSettings()
{
    SettingsStore& store = m_session.store();
    auto position = [&](const QString& key) {
        return std::clamp(toInt(store.getData(key, false), kMinSystemSlider), kMinSystemSlider, kMaxSystemSlider);
    };
    const int pointer = position(SettingKey::kMouseRate);
    const int doubleClick = position(SettingKey::kDoubleRate);
    const int stored = toInt(store.getData(SettingKey::kScrollRate, false), 1);
    const int lines = stored > kMaxScrollRows ? kScrollOneScreen : std::max(stored, 1);

    store.setData(SettingKey::kMouseRate, pointer);
    store.setData(SettingKey::kDoubleRate, doubleClick);
    store.setData(SettingKey::kScrollRate, lines);
    MouseController& controller = m_session.controller();
    controller.mouseSetCursorSpeed(uint(speedIndexForPosition(pointer)));
    controller.mouseSetDoubleClickSpeed(uint(speedIndexForPosition(doubleClick)));
    controller.mouseSetVerticalScrollLines(uint(lines));
}

void WindowSequences::sendPanels()
{
    saveButtonList(buttonList());
    if (const int row = reportRateRow(); row >= 0)
        m_session.controller().mouseSetReportRate(uchar(kRateRows[row].interval));
    const DpiPanel dpi = dpiPanel();
    if (dpi.dpiCount <= 8)
        saveDpi(dpi);
    saveLighting(lightPanel());
    sendSystemSettings();
}

void WindowSequences::switchGunMatrices()
{
    if (!m_session.store().isGun())
        return;
    m_session.controller().mouseSwitchKeyMatrix(kNormalMatrix);
    m_session.controller().mouseResetKeyMatrix();
}

void WindowSequences::changeProfile(int profile)
{
    m_session.store().setGlobalData(SettingKey::kProfileNo, profile);
    m_session.store().setCurrentProfile(profile);
    sendPanels();
    switchGunMatrices();
}

bool WindowSequences::factoryReset()
{
    if (!m_session.store().resetProfile(m_session.store().currentProfile()))
        return false;
    sendPanels();
    switchGunMatrices();
    m_session.controller().mouseSetCurrentDPI(kSecondDpiStage);
    if (m_session.store().isGun())
        resetGuns();
    return true;
}

void WindowSequences::resetGuns()
{
    m_session.store().setGlobalData(SettingKey::kGlobalSelectGun, QVariantList{0, 1, 2});
    for (int row = 0; row < 3; ++row) {
        QVariantList record = m_session.guns().getGunData(row);
        if (record.size() < SettingKey::kGunRecordSize)
            record = builtInGun(row);
        record[2] = kGunResetPeriod;
        record[4] = kGunResets[row].y;
        m_session.guns().mouseSaveGundata(row, record);
        m_session.controller().mouseSendGundata(row + 1, {toInt(record[5], 0), toInt(record[3], 0), toInt(record[4], 0)});
    }
}
