#include "cliargs.h"

namespace {

const QStringList kValueOptions = {QStringLiteral("speed"), QStringLiteral("brightness"),
                                   QStringLiteral("color")};

bool setFlag(Invocation& invocation, const QString& name)
{
    if (name == QLatin1String("json"))
        invocation.json = true;
    else if (name == QLatin1String("demo"))
        invocation.demo = true;
    else if (name == QLatin1String("help"))
        invocation.help = true;
    else if (name == QLatin1String("version"))
        invocation.version = true;
    else
        return false;
    return true;
}

} // namespace

std::optional<Invocation> parseArguments(const QStringList& arguments, QString* error)
{
    Invocation invocation;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("-h")) {
            invocation.help = true;
            continue;
        }
        if (!word.startsWith(QLatin1String("--"))) {
            // "dpi:-" and "-" are operands; "-x" is an option we do not have.
            if (word.size() > 1 && word.startsWith(QLatin1Char('-'))) {
                *error = QStringLiteral("unknown option %1").arg(word);
                return std::nullopt;
            }
            invocation.words.append(word);
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        if (kValueOptions.contains(name)) {
            if (equals >= 0) {
                invocation.options[name].append(word.mid(equals + 1));
            } else if (i + 1 < arguments.size()) {
                invocation.options[name].append(arguments.at(++i));
            } else {
                *error = QStringLiteral("option --%1 needs a value").arg(name);
                return std::nullopt;
            }
            continue;
        }
        if (equals >= 0 || !setFlag(invocation, name)) {
            *error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        }
    }
    return invocation;
}
