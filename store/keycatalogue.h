#pragma once

#include <QString>

#include <array>
#include <vector>

// The names of the keys kept in the settings files. Code names a key through
// these constants and builders instead of spelling the string out.
namespace SettingKey {

// --- sizes ---------------------------------------------------------------
inline constexpr int kButtonCount = 16;        // entries of a key matrix
inline constexpr int kButtonEntrySize = 4;     // kind and three codes
inline constexpr int kMacroProfileCount = 6;   // profiles 0..5 reach the user
inline constexpr int kDpiStageCount = 8;
inline constexpr int kLightValueCount = 3;     // effect, speed step, brightness step
inline constexpr int kColorValueCount = 24;    // eight colours, R G B each
inline constexpr int kXYAxisCount = 2;         // 0 = X, 1 = Y
inline constexpr int kGunSlotCount = 3;
inline constexpr int kGunRecordSize = 6;       // name, key, period, X, Y, times
inline constexpr int kDefaultXYSensitive = 4;
static_assert(kColorValueCount == 3 * kDpiStageCount, "one colour per DPI stage");

// --- global keys (apConfig.bin) ---------------------------------------------
inline const QString kTitle = QStringLiteral("common/name");
inline const QString kLanguage = QStringLiteral("common/language");
inline const QString kUrl = QStringLiteral("common/url");
inline const QString kDeviceCount = QStringLiteral("common/deviceCount");
inline const QString kIsColorful = QStringLiteral("mouse/isColorful");
inline const QString kIsGun = QStringLiteral("mouse/isGun");
inline const QString kIcType = QStringLiteral("mouse/icType");
inline const QString kIs55328 = QStringLiteral("mouse/is55328");
inline const QString kKeyCount = QStringLiteral("mouse/keyCount");
inline const QString kMinDpi = QStringLiteral("mouse/minDPI");
inline const QString kMaxDpi = QStringLiteral("mouse/maxDPI");
inline const QString kDpiBase = QStringLiteral("mouse/dpiBase");
inline const QString kSensorType = QStringLiteral("mouse/sensorType");
inline const QString kProfileNo = QStringLiteral("mouse/profileNo");
inline const QString kGlobalSelectGun = QStringLiteral("mouse/selectGun");
inline const QString kIcType560 = QStringLiteral("560");

// --- profile keys (p1.bin .. p10.bin, factory values in pD.bin) --------------
inline const QString kReportRate = QStringLiteral("mouse/reportRate");
inline const QString kDpiCount = QStringLiteral("mouse/dpiCount");
inline const QString kCurrentDpiCount = QStringLiteral("mouse/currentDpiCount");
inline const QString kDpiValueArray = QStringLiteral("mouse/dpiValueArray");
inline const QString kLightValue = QStringLiteral("mouse/lightValue");
inline const QString kColorValue = QStringLiteral("mouse/colorValue");
inline const QString kMouseRate = QStringLiteral("mouse/mouseRate");
inline const QString kDoubleRate = QStringLiteral("mouse/doubleRate");
inline const QString kScrollRate = QStringLiteral("mouse/scrollRate");

inline const QString kKeyMatrixGroup = QStringLiteral("mouseKeyMatrix");
inline const QString kFwKeyMatrixGroup = QStringLiteral("mouseFwKeyMatrix");
inline const QString kMacroKeyGroup = QStringLiteral("mouseMacroKey");
inline const QString kXYSensitiveGroup = QStringLiteral("XYSensitive");
inline const QString kSelectGunGroup = QStringLiteral("selectGun");

// Numbered entries are written in decimal without leading zeros.
inline QString groupEntry(const QString &group, const QString &entry)
{
    return group + QLatin1Char('/') + entry;
}
inline QString groupEntry(const QString &group, int entry)
{
    return groupEntry(group, QString::number(entry));
}

inline QString keyMatrixKey(int button) { return groupEntry(kKeyMatrixGroup, button); }
inline QString fwKeyMatrixKey(int button) { return groupEntry(kFwKeyMatrixGroup, button); }
inline QString macroKeyKey(int slot) { return groupEntry(kMacroKeyGroup, slot); }
inline QString xySensitiveKey(const QString &axis) { return groupEntry(kXYSensitiveGroup, axis); }
inline QString selectGunKey(const QString &index) { return groupEntry(kSelectGunGroup, index); }

// Scene form of a button entry (a list of four numbers).
inline constexpr int kEntryKind = 0;
inline constexpr int kEntryCode1 = 1;
inline constexpr int kEntryCode2 = 2;   // the macro slot of a macro entry
inline constexpr int kEntryCode3 = 3;
inline constexpr int kMacroKind = 4;

// --- name lists (name.bin), indexed by the scene's list type ----------------
inline const QString kNameListFiller = QStringLiteral("loaderplumex");
inline const std::array<QString, 4> kNameListKeys = {
    QStringLiteral("macro/macroName"),     // 0: macros in list order
    QStringLiteral("gun/gunName"),         // 1: gun names
    QStringLiteral("profile/profileName"), // 2: display name + profile digit
    QStringLiteral("gun/selectGun"),       // 3: gun choices
};
inline constexpr int kMacroNameList = 0;
inline constexpr int kGunNameList = 1;
inline constexpr int kProfileNameList = 2;

// --- macro files (./modules/macro/<name>.bin) -------------------------------
inline const QString kMacroIndex = QStringLiteral("config/index");
inline const QString kMacroTotal = QStringLiteral("config/total");
inline const QString kMacroRepeat = QStringLiteral("config/repeat");
inline const QString kMacroDid = QStringLiteral("config/did");
inline const QString kMacroStepGroup = QStringLiteral("macro");
inline QString macroStepKey(int step) { return groupEntry(kMacroStepGroup, step); }

// --- gun library (./modules/gun/gunData.bin) --------------------------------
inline const QString kGunDataGroup = QStringLiteral("gunData");
inline QString gunDataKey(const QString &gun) { return groupEntry(kGunDataGroup, gun); }

// --- language files (./modules/i18n/<code>.ini) -----------------------------
inline const QString kLanguageTotal = QStringLiteral("total");
inline const QString kNoticeGroup = QStringLiteral("other");

// --- what pD.bin must hold: every profile key with its stored form ----------
enum class ValueForm { Int, IntList, Text };

struct ProfileKeyForm
{
    QString key;
    ValueForm form;
    int listSize; // elements of an IntList
};

inline std::vector<ProfileKeyForm> profileKeyCatalogue()
{
    std::vector<ProfileKeyForm> keys = {
        {kReportRate, ValueForm::Int, 0},
        {kDpiCount, ValueForm::Int, 0},
        {kCurrentDpiCount, ValueForm::Int, 0},
        {kDpiValueArray, ValueForm::IntList, kDpiStageCount},
        {kLightValue, ValueForm::IntList, kLightValueCount},
        {kColorValue, ValueForm::IntList, kColorValueCount},
        {kMouseRate, ValueForm::Int, 0},
        {kDoubleRate, ValueForm::Int, 0},
        {kScrollRate, ValueForm::Int, 0},
    };
    for (int button = 0; button < kButtonCount; ++button) {
        keys.push_back({keyMatrixKey(button), ValueForm::IntList, kButtonEntrySize});
        keys.push_back({fwKeyMatrixKey(button), ValueForm::IntList, kButtonEntrySize});
        keys.push_back({macroKeyKey(button), ValueForm::Text, 0});
    }
    for (int axis = 0; axis < kXYAxisCount; ++axis)
        keys.push_back({xySensitiveKey(QString::number(axis)), ValueForm::Int, 0});
    for (int slot = 0; slot < kGunSlotCount; ++slot)
        keys.push_back({selectGunKey(QString::number(slot)), ValueForm::Text, 0});
    return keys;
}

} // namespace SettingKey
