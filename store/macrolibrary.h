#pragma once

#include <QStringList>
#include <QVariant>

class FileChooser;
class SettingsStore;

// One INI file per macro in ./modules/macro/<name>.bin, plus the repair of
// button assignments in profiles 0..5 when a macro is renamed or deleted.
// Names become file names: an empty name, one with a path separator, "..",
// a control character or a character a file system refuses is rejected
// (false, an empty result or nothing done) before any file is touched.
class MacroLibrary
{
public:
    MacroLibrary(SettingsStore &store, FileChooser *fileChooser);

    // Writes the "config" group (index, total 0, repeat 1, did -1); other
    // keys of an existing file stay.
    bool createMacroIni(const QVariant &name, const QVariant &macroIndex);
    // Replaces the steps and the repeat count; false when the file is missing.
    bool saveMacroIni(const QVariant &name, const QStringList &macros, const QVariant &repeat);
    // The steps followed by the repeat count; empty when the file is missing.
    QStringList loadMacroIni(const QVariant &name) const;
    bool deleteMacroIni(const QVariant &name);

    // Renames the macro in the "mouseMacroKey" entries of profiles 0..5, in
    // the macro list and on disk. Checked before anything changes: the old
    // file exists and the new name is free; a failed rename puts the
    // entries back.
    bool modifyMacroNameUpdateProfile(const QVariant &oldname, const QVariant &newname);
    // Gives every button of profiles 0..5 that plays the macro its factory
    // assignment. Macro entries and the macro file stay.
    void deleteMacroUpdateProfile(const QVariant &macroName);

    // Import of a .mc file as a new macro (never over an existing one) and
    // export of a macro; false when cancelled or when the copy failed.
    bool loadMacroFile(const QVariant &macroFileName);
    bool saveMacroFile(const QVariant &macroFileName);

private:
    SettingsStore &m_store;
    FileChooser *m_fileChooser;
};
