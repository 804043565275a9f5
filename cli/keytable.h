#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The window's key table: 133 HID usage codes (keys, modifiers 0xE0..0xE7,
// mouse buttons 0xF0..0xF4) and their names, matched by position. Macro
// actions store names, so a macro is encoded with the table of the current
// language, as the window does.
class KeyTable
{
public:
    static constexpr int Size = 133;

    // English names, as the window shows them without a language file.
    KeyTable();
    // The language's names when it gives all 133, otherwise English.
    static KeyTable forLanguage(const QStringList& names);

    // First entry with exactly this name, or 0 (the window's strTokeycode).
    int codeOf(const QString& name) const;
    // "" when the code is not in the table.
    QString nameOf(int code) const;

    // What a person types: English names in any letter case, plus "Right",
    // "Left", "Down" and "Up" for the arrow keys. -1 when unknown.
    static int codeForTypedName(const QString& name);
    static bool isModifier(int code) { return code >= 0xE0 && code <= 0xE7; }
    static bool isMouseButton(int code) { return code >= 0xF0; }

    static const std::vector<int>& codes();

private:
    QStringList m_names;
};
