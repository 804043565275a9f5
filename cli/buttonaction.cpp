#include "buttonaction.h"

#include "keytable.h"

#include <QStringList>

namespace {

enum Kind { MouseKind = 0, FireKind = 1, ComboKind = 2, MediaKind = 3, MacroKind = 4, DpiKind = 5,
            WindowsKind = 6, ShortcutKind = 7, GunKind = 8, NoFunctionKind = 0xFF };

struct Named
{
    const char* name;
    ButtonEntry entry;
};

// The fixed choices of the key-assignment dialog.
const Named kMouse[] = {
    {"left", {0, 0, 0xF0, 0}},   {"right", {0, 0, 0xF1, 0}},  {"middle", {0, 0, 0xF2, 0}},
    {"back", {0, 0, 0xF3, 0}},   {"forward", {0, 0, 0xF4, 0}}, {"double", {0, 0xF0, 0x1E, 2}},
};
const Named kMedia[] = {
    {"player", {3, 0, 0x83, 0x01}}, {"next", {3, 0, 0xB5, 0}},       {"previous", {3, 0, 0xB6, 0}},
    {"stop", {3, 0, 0xB7, 0}},      {"mute", {3, 0, 0xE2, 0}},       {"play-pause", {3, 0, 0xCD, 0}},
    {"volume-up", {3, 0, 0xE9, 0}}, {"volume-down", {3, 0, 0xEA, 0}},
};
const Named kWindows[] = {
    {"my-pc", {6, 0, 0x94, 1}},      {"index", {6, 0, 0x23, 2}},      {"search", {6, 0, 0x21, 2}},
    {"max", {6, 4, 0x2C, 0x1B}},     {"min", {6, 4, 0x2C, 0x11}},     {"desktop", {6, 0, 0xE3, 0x07}},
    {"run", {6, 0, 0xE3, 0x15}},
};
const Named kShortcuts[] = {
    {"new", {7, 0, 0xE0, 0x11}},   {"cut", {7, 0, 0xE0, 0x1B}},   {"copy", {7, 0, 0xE0, 0x06}},
    {"paste", {7, 0, 0xE0, 0x19}}, {"save", {7, 0, 0xE0, 0x16}},  {"print", {7, 0, 0xE0, 0x13}},
    {"find", {7, 0, 0xE0, 0x09}},  {"redo", {7, 0, 0xE0, 0x1C}},  {"undo", {7, 0, 0xE0, 0x1D}},
    {"select-all", {7, 0, 0xE0, 0x04}},
};
const Named kDpi[] = {
    {"+", {5, 0, 1, 0}}, {"-", {5, 0, 2, 0}}, {"loop", {5, 0, 3, 0}}, {"sniper", {5, 0, 4, 0}},
};
const char* const kMacroModes[] = {"once", "loop", "hold"};

template <std::size_t N>
std::optional<ButtonEntry> lookUp(const Named (&table)[N], const QString& name)
{
    for (const Named& row : table)
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.entry;
    return std::nullopt;
}

// Media, Windows and shortcut rows are told apart by their last two codes.
template <std::size_t N>
QString nameByCodes(const Named (&table)[N], const ButtonEntry& entry)
{
    for (const Named& row : table)
        if (row.entry[2] == entry[2] && row.entry[3] == entry[3])
            return QLatin1String(row.name);
    return {};
}

template <std::size_t N>
QString choices(const Named (&table)[N])
{
    QStringList names;
    for (const Named& row : table)
        names.append(QLatin1String(row.name));
    return names.join(QLatin1String(", "));
}

bool parseNumber(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    *value = number;
    return true;
}

// Keys typed by name; the window takes only keyboard keys for fire and combos.
int keyboardCode(const QString& name, QString* error)
{
    const int code = KeyTable::codeForTypedName(name.trimmed());
    if (code < 0) {
        *error = QStringLiteral("unknown key name \"%1\"").arg(name.trimmed());
        return -1;
    }
    if (KeyTable::isMouseButton(code)) {
        *error = QStringLiteral("\"%1\" is a mouse button, not a key").arg(name.trimmed());
        return -1;
    }
    return code;
}

std::optional<ButtonEntry> parseCombo(const QString& keys, QString* error)
{
    ButtonEntry entry{ComboKind, 0, 0, 0};
    int taken = 0;
    for (const QString& name : keys.split(QLatin1Char('+'))) {
        const int code = keyboardCode(name, error);
        if (code < 0)
            return std::nullopt;
        if (KeyTable::isModifier(code)) {
            entry[1] |= 1 << (code - 0xE0);
        } else if (taken < 2) {
            entry[2 + taken++] = code;
        } else {
            *error = QStringLiteral("a combination holds at most two keys besides the modifiers");
            return std::nullopt;
        }
    }
    return entry;
}

std::optional<ButtonEntry> parseFire(const QString& spec, QString* error)
{
    const QStringList parts = spec.split(QLatin1Char(','));
    if (parts.size() != 3) {
        *error = QStringLiteral("fire takes KEY,RATE,TIMES (for example fire:A,10,0)");
        return std::nullopt;
    }
    const int code = keyboardCode(parts[0], error);
    if (code < 0)
        return std::nullopt;
    int rate = 0;
    int times = 0;
    if (!parseNumber(parts[1], kMinFireRateMs, kMaxFireRateMs, &rate)) {
        *error = QStringLiteral("fire rate must be %1..%2 ms").arg(kMinFireRateMs).arg(kMaxFireRateMs);
        return std::nullopt;
    }
    if (!parseNumber(parts[2], 0, 255, &times)) {
        *error = QStringLiteral("fire times must be 0..255 (0 repeats while held)");
        return std::nullopt;
    }
    return ButtonEntry{FireKind, code, rate, times};
}

std::optional<ButtonAction> parseMacro(const QString& spec, int buttonIndex, QString* error)
{
    QString name = spec;
    int mode = 0;
    const int comma = int(spec.lastIndexOf(QLatin1Char(',')));
    if (comma >= 0) {
        const QString word = spec.mid(comma + 1);
        mode = -1;
        for (int i = 0; i < 3; ++i)
            if (word.compare(QLatin1String(kMacroModes[i]), Qt::CaseInsensitive) == 0)
                mode = i;
        if (mode < 0) {
            *error = QStringLiteral("macro play mode must be once, loop or hold");
            return std::nullopt;
        }
        name = spec.left(comma);
    }
    if (name.isEmpty()) {
        *error = QStringLiteral("macro needs a name (macro:NAME)");
        return std::nullopt;
    }
    return ButtonAction{{MacroKind, mode, buttonIndex, 0}, name};
}

QString keyName(int code)
{
    const QString name = KeyTable().nameOf(code);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0')) : name;
}

QString raw(const ButtonEntry& entry)
{
    QString hex;
    for (int byte : entry)
        hex += QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("raw:") + hex;
}

QString describeCombo(const ButtonEntry& entry)
{
    if (entry[1] == 0 && entry[3] == 0 && entry[2] != 0)
        return QStringLiteral("key:") + keyName(entry[2]);
    QStringList names;
    for (int bit = 0; bit < 8; ++bit)
        if (entry[1] & (1 << bit))
            names.append(keyName(0xE0 + bit));
    for (int code : {entry[2], entry[3]})
        if (code != 0)
            names.append(keyName(code));
    return names.isEmpty() ? raw(entry) : QStringLiteral("combo:") + names.join(QLatin1Char('+'));
}

QString prefixed(const char* prefix, const QString& name, const ButtonEntry& entry)
{
    return name.isEmpty() ? raw(entry) : QLatin1String(prefix) + name;
}

} // namespace

std::optional<ButtonAction> parseButtonAction(const QString& text, const ActionRules& rules,
                                              QString* error)
{
    const int colon = int(text.indexOf(QLatin1Char(':')));
    const QString kind = colon < 0 ? text : text.left(colon);
    const QString value = colon < 0 ? QString() : text.mid(colon + 1);
    auto fixed = [&](std::optional<ButtonEntry> entry, const QString& list) -> std::optional<ButtonAction> {
        if (!entry) {
            *error = QStringLiteral("unknown %1 \"%2\" (choose from %3)").arg(kind, value, list);
            return std::nullopt;
        }
        return ButtonAction{*entry, {}};
    };

    if (colon < 0) {
        if (const auto entry = lookUp(kMouse, text))
            return ButtonAction{*entry, {}};
        *error = QStringLiteral("unknown action \"%1\"").arg(text);
        return std::nullopt;
    }
    if (kind == QLatin1String("key") || kind == QLatin1String("combo")) {
        const auto entry = parseCombo(value, error);
        return entry ? std::optional<ButtonAction>(ButtonAction{*entry, {}}) : std::nullopt;
    }
    if (kind == QLatin1String("fire")) {
        const auto entry = parseFire(value, error);
        return entry ? std::optional<ButtonAction>(ButtonAction{*entry, {}}) : std::nullopt;
    }
    if (kind == QLatin1String("macro"))
        return parseMacro(value, rules.buttonIndex, error);
    if (kind == QLatin1String("media"))
        return fixed(lookUp(kMedia, value), choices(kMedia));
    if (kind == QLatin1String("win"))
        return fixed(lookUp(kWindows, value), choices(kWindows));
    if (kind == QLatin1String("shortcut"))
        return fixed(lookUp(kShortcuts, value), choices(kShortcuts));
    if (kind == QLatin1String("dpi"))
        return fixed(lookUp(kDpi, value), choices(kDpi));
    if (kind == QLatin1String("gun")) {
        int slot = 0;
        if (!rules.gunAllowed) {
            *error = QStringLiteral("this mouse has no gun functions");
            return std::nullopt;
        }
        if (!parseNumber(value, 1, 3, &slot)) {
            *error = QStringLiteral("gun slot must be 1, 2 or 3");
            return std::nullopt;
        }
        return ButtonAction{{GunKind, 0, slot, 0}, {}};
    }
    *error = QStringLiteral("unknown action \"%1\"").arg(text);
    return std::nullopt;
}

QString describeButtonEntry(const ButtonEntry& entry, const QString& macroName)
{
    switch (entry[0]) {
    case MouseKind:
        for (const Named& row : kMouse)
            if (row.entry == entry)
                return QLatin1String(row.name);
        return raw(entry);
    case FireKind:
        return QStringLiteral("fire:%1,%2,%3").arg(keyName(entry[1])).arg(entry[2]).arg(entry[3]);
    case ComboKind:
        return describeCombo(entry);
    case MediaKind:
        return prefixed("media:", nameByCodes(kMedia, entry), entry);
    case MacroKind: {
        if (macroName.isEmpty() || entry[1] < 0 || entry[1] > 2)
            return raw(entry);
        const QString mode = entry[1] == 0 ? QString() : QLatin1Char(',') + QLatin1String(kMacroModes[entry[1]]);
        return QStringLiteral("macro:") + macroName + mode;
    }
    case DpiKind:
        for (const Named& row : kDpi)
            if (row.entry == entry)
                return QStringLiteral("dpi:") + QLatin1String(row.name);
        return raw(entry);
    case WindowsKind:
        return prefixed("win:", nameByCodes(kWindows, entry), entry);
    case ShortcutKind:
        return prefixed("shortcut:", nameByCodes(kShortcuts, entry), entry);
    case GunKind:
        return entry[2] >= 1 && entry[2] <= 3 ? QStringLiteral("gun:%1").arg(entry[2]) : raw(entry);
    case NoFunctionKind:
        return QStringLiteral("none");
    default:
        return raw(entry);
    }
}

bool isPlainLeftButton(const ButtonEntry& entry)
{
    return entry[0] == MouseKind && entry[2] == 0xF0;
}
