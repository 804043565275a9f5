#include "macrocheck.h"

#include "windowsequences.h"

#include "control/macropayload.h"
#include "store/safefilename.h"
#include "store/storepaths.h"

#include <QFile>

bool macroExists(const QString& name)
{
    return isSafeFileStem(name) && QFile::exists(StorePath::macroFile(name));
}

CliError checkMacroForButton(const WindowSequences& sequences, const QString& name, int buttonIndex)
{
    if (!macroExists(name))
        return CliError::file(QStringLiteral("no macro named \"%1\"").arg(name));
    // The window would store such an assignment and send no macro.
    if (buttonIndex >= macropayload::MacroSlotCount)
        return CliError::usage(QStringLiteral("the mouse plays macros from buttons 1..%1 only")
                                   .arg(macropayload::MacroSlotCount));
    const int length = int(sequences.macroPayload(name).size());
    if (length > macropayload::PayloadSize)
        return CliError::file(QStringLiteral("macro \"%1\" needs %2 bytes; the mouse holds %3")
                                  .arg(name).arg(length).arg(macropayload::PayloadSize));
    return {};
}
