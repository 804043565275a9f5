#include "keytable.h"

#include <iterator>

namespace {

const char* const kEnglishNames[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S",
    "T", "U", "V", "W", "X", "Y", "Z", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Enter",
    "Esc", "Back", "Tab", "Space", "-", "=", "[", "]", "\\", "\\", ";", "'", "`", ",", ".", "/",
    "Caps", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Prt",
    "Scr", "Pau", "Ins", "Hom", "Pgu", "Del", "End", "PgD", "\u25BA", "\u25C4", "\u25BC", "\u25B2",
    "Num", "KP/", "KP*", "KP-", "KP+", "KPEnter", "KP1", "KP2", "KP3", "KP4", "KP5", "KP6", "KP7",
    "KP8", "KP9", "KP0", "KP.", "Eur2", "App", "Power", "KP=", "F13", "F14", "F15", "F16", "F17",
    "F18", "F19", "F20", "F21", "F22", "F23", "F24", "Keypad", "Intl1", "Intl2", "Intl2", "Intl4",
    "Intl5", "Lang1", "Lang2", "LCtrl", "LShift", "LAlt", "LWin", "RCtrl", "RShift", "RAlt", "RWin",
    "MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5",
};
static_assert(std::size(kEnglishNames) == KeyTable::Size, "one name per code");

// The arrows are named with symbols a shell user cannot easily type.
struct Alias
{
    const char* name;
    int code;
};
constexpr Alias kAliases[] = {{"Right", 0x4F}, {"Left", 0x50}, {"Down", 0x51}, {"Up", 0x52}};

std::vector<int> buildCodes()
{
    std::vector<int> codes;
    for (int code = 0x04; code <= 0x73; ++code)
        codes.push_back(code);
    for (int code : {0x85, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x90, 0x91})
        codes.push_back(code);
    for (int code = 0xE0; code <= 0xE7; ++code)
        codes.push_back(code);
    for (int code = 0xF0; code <= 0xF4; ++code)
        codes.push_back(code);
    return codes;
}

} // namespace

const std::vector<int>& KeyTable::codes()
{
    static const std::vector<int> table = buildCodes();
    return table;
}

KeyTable::KeyTable()
{
    for (const char* name : kEnglishNames)
        m_names.append(QString::fromUtf8(name));
}

KeyTable KeyTable::forLanguage(const QStringList& names)
{
    KeyTable table;
    if (names.size() == Size)
        table.m_names = names;
    return table;
}

int KeyTable::codeOf(const QString& name) const
{
    const int index = int(m_names.indexOf(name));
    return index < 0 ? 0 : codes()[std::size_t(index)];
}

QString KeyTable::nameOf(int code) const
{
    const std::vector<int>& all = codes();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == code)
            return m_names.at(qsizetype(i));
    return {};
}

int KeyTable::codeForTypedName(const QString& name)
{
    for (const Alias& alias : kAliases)
        if (name.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0)
            return alias.code;
    for (int i = 0; i < Size; ++i)
        if (name.compare(QString::fromUtf8(kEnglishNames[i]), Qt::CaseInsensitive) == 0)
            return codes()[std::size_t(i)];
    return -1;
}
