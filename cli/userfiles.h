#pragma once

#include "exitcode.h"

#include <QString>

// A file named for import must be a readable INI file; the window checks
// nothing, but a tool run from a script should not copy a typo's target or
// a binary file over a profile or into the macro library.
CliError checkSettingsFile(const QString& path);
