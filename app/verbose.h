#pragma once

#include <QStringList>

// "--verbose": debug lines of every k7 category, the raw frame log
// ("k7.hid.frames") among them, on standard error. The same as starting with
// QT_LOGGING_RULES="k7.*.debug=true"; rules in that variable still win.
// Returns whether the option was given.
bool applyVerboseOption(const QStringList& arguments);
