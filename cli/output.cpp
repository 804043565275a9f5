#include "output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace {

QString scalarText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("-");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double:
        return QString::number(value.toDouble());
    case QJsonValue::String:
        return value.toString();
    default:
        return {};
    }
}

QString objectLine(const QJsonObject& object)
{
    QStringList parts;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue value = it.value();
        QString text;
        if (value.isArray()) {
            QStringList items;
            for (const QJsonValue& item : value.toArray())
                items.append(scalarText(item));
            text = items.join(QLatin1Char(','));
        } else {
            text = scalarText(value);
        }
        parts.append(it.key() + QLatin1Char('=') + text);
    }
    return parts.join(QLatin1Char(' '));
}

void printText(QTextStream& out, const QString& indent, const QString& key, const QJsonValue& value)
{
    if (value.isObject()) {
        out << indent << key << ":\n";
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            printText(out, indent + QStringLiteral("  "), it.key(), it.value());
        return;
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (!array.isEmpty() && array.first().isObject()) {
            out << indent << key << ":\n";
            for (const QJsonValue& item : array)
                out << indent << "  " << objectLine(item.toObject()) << '\n';
            return;
        }
        QStringList items;
        for (const QJsonValue& item : array)
            items.append(scalarText(item));
        out << indent << key << ": " << items.join(QStringLiteral(", ")) << '\n';
        return;
    }
    out << indent << key << ": " << scalarText(value) << '\n';
}

} // namespace

void printResult(QTextStream& out, bool json, const QString& command, const Fields& fields)
{
    if (json) {
        QJsonObject object{{QStringLiteral("schema"), kJsonSchemaVersion},
                           {QStringLiteral("command"), command}};
        for (const auto& [key, value] : fields)
            object.insert(key, value);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        for (const auto& [key, value] : fields)
            printText(out, QString(), key, value);
    }
    out.flush();
}

void printError(QTextStream& err, const CliError& error)
{
    QString line = error.message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    err << "k7ctl: " << line << '\n';
    err.flush();
}
