#pragma once

#include "keytable.h"

#include <QStringList>
#include <QVariantList>

// The macro editor's encoding of a stored macro into the device payload:
// repeat count (high, low), one record per key or button action (timing byte
// with 0x80 for a release, then the code), extension records after pauses of
// 1270 ms or more, terminator 0, 0. Actions are the stored strings
// "type,info": 0 pause in ms, 1/2 key press/release, 3/4 button press/release.
//
// Where the editor leaves a choice:
// - a macro whose only action is also its last entry still gets its record;
// - pauses add up in milliseconds and become 10 ms units with the fraction
//   dropped;
// - a pause beyond the longest the extension records carry (599999 units of
//   10 ms) and a repeat count beyond 65535 are clamped to those limits, as
//   the window's editor does;
// - a stored repeat count that is not a number plays once.
QVariantList encodeMacro(const QStringList& actions, int repeat, const KeyTable& keys);

// What loadMacroIni returns (actions, then the repeat count) split apart.
struct StoredMacro
{
    QStringList actions;
    int repeat = 1;
};
StoredMacro splitStoredMacro(const QStringList& loaded);
