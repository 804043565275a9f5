#pragma once

#include "exitcode.h"

#include <QString>

class WindowSequences;

// Before a macro goes to a button: it exists, its slot is one of the
// mouse's twelve macro slots, and its payload fits the 128-byte block.
CliError checkMacroForButton(const WindowSequences& sequences, const QString& name, int buttonIndex);
bool macroExists(const QString& name);
