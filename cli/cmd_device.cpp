// list and info: what is plugged in, and what the connected mouse reports.
#include "commands.h"
#include "session.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString familyName(const Session& session)
{
    return session.is560() ? QStringLiteral("560") : QStringLiteral("553");
}

QJsonArray byteArray(const QVariantList& bytes)
{
    QJsonArray array;
    for (const QVariant& byte : bytes)
        array.append(byte.toInt());
    return array;
}

} // namespace

CliError runList(CommandContext& ctx)
{
    const QList<DeviceEntry> entries = ctx.session.findDevices();
    QJsonArray devices;
    bool anyAnswers = false;
    for (int index = 0; index < entries.size(); ++index) {
        const DeviceEntry& entry = entries.at(index);
        const bool answers = ctx.session.answers(index);
        anyAnswers = anyAnswers || answers;
        devices.append(QJsonObject{
            {QStringLiteral("index"), index},
            {QStringLiteral("type"), entry.type},
            {QStringLiteral("vid"), hex4(entry.vid)},
            {QStringLiteral("pid"), hex4(entry.pid)},
            {QStringLiteral("present"), !entry.path.isEmpty()},
            {QStringLiteral("path"), entry.path},
            {QStringLiteral("notifyPath"), entry.path2},
            {QStringLiteral("answers"), answers},
        });
    }
    ctx.result = {{QStringLiteral("family"), familyName(ctx.session)},
                  {QStringLiteral("devices"), devices}};
    if (!anyAnswers)
        return {ExitCode::NoDevice, QStringLiteral("no listed mouse answers")};
    return {};
}

CliError runInfo(CommandContext& ctx)
{
    if (CliError error = ctx.connect())
        return error;
    Session& session = ctx.session;
    MouseController& controller = session.controller();
    const DeviceEntry* entry = session.hid().entry(session.deviceIndex());

    QJsonValue onboard = QJsonValue::Null;
    QVariantList options;
    if (session.is560()) {
        onboard = controller.mouseReadCurrentProfile().toInt();
        // The connect step reads this family's two option bytes with 0x81.
        uchar byte1 = 0;
        uchar byte2 = 0;
        session.hid().hid560_81H_GetKeyboardoption(byte1, byte2);
        options = {byte1, byte2};
    } else {
        options = controller.GetKeyboardoption();
    }
    const int stage = controller.mouseGetCurrentDPI().toInt();
    if (CliError error = ctx.finish(QStringLiteral("reading its state")))
        return error;

    ctx.result = {
        {QStringLiteral("family"), familyName(session)},
        {QStringLiteral("device"), QJsonObject{{QStringLiteral("index"), session.deviceIndex()},
                                               {QStringLiteral("vid"), hex4(entry->vid)},
                                               {QStringLiteral("pid"), hex4(entry->pid)},
                                               {QStringLiteral("path"), entry->path}}},
        {QStringLiteral("activeProfile"), session.activeProfile() + 1},
        {QStringLiteral("onboardProfile"), onboard},
        {QStringLiteral("dpiStage"), stage},
        {QStringLiteral("keyboardOptions"), byteArray(options)},
    };
    return {};
}
