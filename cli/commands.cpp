#include "commands.h"

#include "cliargs.h"
#include "session.h"

#include "store/keycatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

constexpr int kMaxButtons = 14;  // rows the window's button list can show
constexpr int kDefaultButtons = 8;

const QStringList kLightOptions = {QStringLiteral("speed"), QStringLiteral("brightness"),
                                   QStringLiteral("color")};

QString usageText()
{
    QString text = QStringLiteral(
        "Usage: k7ctl [--json] [--demo] COMMAND [ARGS]\n"
        "Configures the mouse and its settings files as the k7config window does.\n\n"
        "Commands:\n");
    for (const CommandSpec& spec : commandTable())
        text += QStringLiteral("  k7ctl ") + spec.synopsis + QLatin1Char('\n');
    text += QStringLiteral(
        "\nOptions:\n"
        "  --json     print results as JSON (schema 1, see the README)\n"
        "  --demo     use the emulated mouse instead of a real one\n"
        "  --help     this text\n"
        "  --version  the tool's version\n\n"
        "Exit status: 0 done, 1 usage error, 2 no device, 3 device error, 4 file error.\n");
    return text;
}

// The longest command whose words start the invocation.
const CommandSpec* findCommand(const QStringList& words, int* used)
{
    const CommandSpec* best = nullptr;
    for (const CommandSpec& spec : commandTable()) {
        const QStringList specWords = spec.words.split(QLatin1Char(' '));
        if (words.mid(0, specWords.size()) == specWords && (!best || specWords.size() > *used)) {
            best = &spec;
            *used = int(specWords.size());
        }
    }
    return best;
}

CliError checkShape(const CommandSpec& spec, const QStringList& operands, const QMap<QString, QStringList>& options)
{
    const int count = int(operands.size());
    if (count < spec.minOperands || (spec.maxOperands >= 0 && count > spec.maxOperands))
        return CliError::usage(QStringLiteral("usage: k7ctl %1").arg(spec.synopsis));
    for (auto it = options.begin(); it != options.end(); ++it)
        if (!spec.options.contains(it.key()))
            return CliError::usage(QStringLiteral("option --%1 does not apply to \"%2\"").arg(it.key(), spec.words));
    return {};
}

} // namespace

CommandContext::CommandContext(Session& session, const QStringList& operands,
                               const QMap<QString, QStringList>& options, const QString& userFolder)
    : session(session)
    , sequences(session)
    , operands(operands)
    , options(options)
    , m_userFolder(userFolder)
{
}

CliError CommandContext::connect()
{
    return session.connect();
}

CliError CommandContext::finish(const QString& what)
{
    const CliError files = session.flush();
    if (CliError device = session.deviceFailure(what))
        return device;
    return files;
}

QString CommandContext::userPath(const QString& operand) const
{
    return QDir(m_userFolder).absoluteFilePath(operand);
}

std::optional<int> parseNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < low || number > high)
        return std::nullopt;
    return number;
}

CliError rangeError(const QString& what, const QString& text, int low, int high)
{
    return CliError::usage(QStringLiteral("%1 must be %2..%3, not \"%4\"").arg(what).arg(low).arg(high).arg(text));
}

std::optional<int> parseProfile(const QString& text, CliError* error)
{
    const auto number = parseNumber(text, 1, Session::kUserProfiles);
    if (!number) {
        *error = rangeError(QStringLiteral("profile"), text, 1, Session::kUserProfiles);
        return std::nullopt;
    }
    return *number - 1;
}

std::optional<int> parseButton(Session& session, const QString& text, CliError* error)
{
    bool ok = false;
    int buttons = session.store().getGlobalData(SettingKey::kKeyCount).toInt(&ok);
    buttons = ok ? std::clamp(buttons, 1, kMaxButtons) : kDefaultButtons;
    const auto number = parseNumber(text, 1, buttons);
    if (!number) {
        *error = rangeError(QStringLiteral("button"), text, 1, buttons);
        return std::nullopt;
    }
    return *number - 1;
}

const std::vector<CommandSpec>& commandTable()
{
    static const std::vector<CommandSpec> table = {
        {"list", "list", 0, 0, {}, runList},
        {"info", "info", 0, 0, {}, runInfo},
        {"profile show", "profile show [N]", 0, 1, {}, runProfileShow},
        {"profile use", "profile use N", 1, 1, {}, runProfileUse},
        {"profile import", "profile import N FILE", 2, 2, {}, runProfileImport},
        {"profile export", "profile export N FILE", 2, 2, {}, runProfileExport},
        {"profile reset", "profile reset N", 1, 1, {}, runProfileReset},
        {"dpi set", "dpi set STAGE=VALUE...", 1, -1, {}, runDpiSet},
        {"dpi stages", "dpi stages COUNT", 1, 1, {}, runDpiStages},
        {"dpi current", "dpi current STAGE", 1, 1, {}, runDpiCurrent},
        {"rate", "rate 125|250|500|1000", 1, 1, {}, runRate},
        {"light", "light EFFECT [--speed 0-4] [--brightness 0-4] [--color N=#rrggbb]...", 1, 1, kLightOptions, runLight},
        {"button", "button N ACTION", 2, 2, {}, runButton},
        {"macro list", "macro list", 0, 0, {}, runMacroList},
        {"macro show", "macro show NAME", 1, 1, {}, runMacroShow},
        {"macro import", "macro import FILE [NAME]", 1, 2, {}, runMacroImport},
        {"macro export", "macro export NAME FILE", 2, 2, {}, runMacroExport},
        {"macro send", "macro send NAME BUTTON", 2, 2, {}, runMacroSend},
    };
    return table;
}

int runK7ctl(const QStringList& arguments, const Environment& environment, QTextStream& out, QTextStream& err)
{
    QString parseError;
    const std::optional<Invocation> invocation = parseArguments(arguments, &parseError);
    if (!invocation) {
        printError(err, CliError::usage(parseError));
        return ExitCode::Usage;
    }
    if (invocation->help) {
        out << usageText();
        return ExitCode::Ok;
    }
    if (invocation->version) {
        out << "k7ctl " << QCoreApplication::applicationVersion() << '\n';
        return ExitCode::Ok;
    }
    if (invocation->words.isEmpty()) {
        printError(err, CliError::usage(QStringLiteral("no command given (see k7ctl --help)")));
        return ExitCode::Usage;
    }

    int used = 0;
    const CommandSpec* spec = findCommand(invocation->words, &used);
    if (!spec) {
        printError(err, CliError::usage(QStringLiteral("unknown command \"%1\" (see k7ctl --help)")
                                            .arg(invocation->words.join(QLatin1Char(' ')))));
        return ExitCode::Usage;
    }
    const QStringList operands = invocation->words.mid(used);
    if (const CliError error = checkShape(*spec, operands, invocation->options)) {
        printError(err, error);
        return error.code;
    }

    Session session(*environment.backend, *environment.clock);
    CommandContext context(session, operands, invocation->options, environment.userFolder);
    const CliError error = spec->run(context);
    if (!context.result.isEmpty())
        printResult(out, invocation->json, spec->words, context.result);
    if (error) {
        printError(err, error);
        return error.code;
    }
    return ExitCode::Ok;
}
