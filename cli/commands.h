#pragma once

#include "exitcode.h"
#include "output.h"
#include "windowsequences.h"

#include <QMap>
#include <QStringList>

#include <optional>
#include <vector>

class HidBackend;
class PacingClock;
class QTextStream;
class Session;

// Where a run of the tool takes its device, its time and the folder that
// relative file names on the command line mean.
struct Environment
{
    HidBackend* backend = nullptr;
    PacingClock* clock = nullptr;
    QString userFolder;
};

// What a command handler works with. Handlers check every operand before
// they touch the device or a file, so a refusal changes nothing.
class CommandContext
{
public:
    CommandContext(Session& session, const QStringList& operands,
                   const QMap<QString, QStringList>& options, const QString& userFolder);

    Session& session;
    WindowSequences sequences;
    const QStringList operands;
    const QMap<QString, QStringList> options;
    Fields result;

    // Finds and connects the mouse (no device: exit 2).
    CliError connect();
    // Writes the settings files and judges the exchanges since connect().
    CliError finish(const QString& what);
    // A file operand, relative to the folder the tool was started from.
    QString userPath(const QString& operand) const;

private:
    QString m_userFolder;
};

// An integer in low..high, or a usage error naming `what`.
std::optional<int> parseNumber(const QString& text, int low, int high);
CliError rangeError(const QString& what, const QString& text, int low, int high);

struct CommandSpec
{
    QString words;     // "profile use"
    QString synopsis;  // "profile use N"
    int minOperands;
    int maxOperands;   // -1: any number
    QStringList options;
    CliError (*run)(CommandContext&);
};

const std::vector<CommandSpec>& commandTable();

// The handlers, by area.
CliError runList(CommandContext& ctx);
CliError runInfo(CommandContext& ctx);
CliError runProfileShow(CommandContext& ctx);
CliError runProfileUse(CommandContext& ctx);
CliError runProfileImport(CommandContext& ctx);
CliError runProfileExport(CommandContext& ctx);
CliError runProfileReset(CommandContext& ctx);
CliError runDpiSet(CommandContext& ctx);
CliError runDpiStages(CommandContext& ctx);
CliError runDpiCurrent(CommandContext& ctx);
CliError runRate(CommandContext& ctx);
CliError runLight(CommandContext& ctx);
CliError runButton(CommandContext& ctx);
CliError runMacroList(CommandContext& ctx);
CliError runMacroShow(CommandContext& ctx);
CliError runMacroImport(CommandContext& ctx);
CliError runMacroExport(CommandContext& ctx);
CliError runMacroSend(CommandContext& ctx);

// Profile numbers on the command line count from 1 (file pN.bin).
std::optional<int> parseProfile(const QString& text, CliError* error);
// Buttons count from 1 up to the mouse's "mouse/keyCount" (the window's rows).
std::optional<int> parseButton(Session& session, const QString& text, CliError* error);

// The whole tool: parses, runs one command, prints. Returns the exit status.
int runK7ctl(const QStringList& arguments, const Environment& environment, QTextStream& out,
             QTextStream& err);
