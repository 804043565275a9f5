// profile show|use|import|export|reset: the six profile files, and the
// window's profile change and factory reset.
#include "commands.h"
#include "session.h"
#include "userfiles.h"

#include "store/keycatalogue.h"
#include "store/namelists.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The profile list stores each display name followed by its number's digit.
QString profileName(int profile)
{
    const QString digit = QString::number(profile);
    for (const QVariant& entry : NameLists::getNameList(SettingKey::kProfileNameList)) {
        const QString text = entry.toString();
        if (text != SettingKey::kNameListFiller && text.endsWith(digit) && text.size() > 1)
            return text.chopped(1);
    }
    return {};
}

QString colourText(const std::array<int, 24>& colours, int block)
{
    QString text = QStringLiteral("#");
    for (int channel = 0; channel < 3; ++channel)
        text += QStringLiteral("%1").arg(colours[std::size_t(block * 3 + channel)], 2, 16, QLatin1Char('0'));
    return text;
}

QJsonObject lightObject(const Session& session, const WindowSequences::LightPanel& light)
{
    const auto effect = findEffect({session.store().isColorful(), session.store().is55328()},
                                   QString::number(light.effect));
    QJsonArray colours;
    for (int block = 0; block < 8; ++block)
        colours.append(colourText(light.colours, block));
    return {{QStringLiteral("effect"), effect ? QJsonValue(effect->name) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("row"), light.effect},
            {QStringLiteral("speed"), light.speed},
            {QStringLiteral("brightness"), light.brightness},
            {QStringLiteral("colors"), colours}};
}

QJsonArray buttonArray(Session& session, const QList<ButtonEntry>& entries)
{
    QJsonArray buttons;
    for (int index = 0; index < entries.size(); ++index) {
        const ButtonEntry& entry = entries.at(index);
        const QString macro = session.store().getData(SettingKey::macroKeyKey(entry[2]), false).toString();
        buttons.append(QJsonObject{
            {QStringLiteral("button"), index + 1},
            {QStringLiteral("action"), describeButtonEntry(entry, macro)},
            {QStringLiteral("bytes"), QJsonArray{entry[0], entry[1], entry[2], entry[3]}},
        });
    }
    return buttons;
}

std::optional<int> profileOperand(CommandContext& ctx, CliError* error)
{
    return parseProfile(ctx.operands.at(0), error);
}

} // namespace

CliError runProfileShow(CommandContext& ctx)
{
    Session& session = ctx.session;
    int profile = session.activeProfile();
    CliError error;
    if (!ctx.operands.isEmpty()) {
        const auto chosen = profileOperand(ctx, &error);
        if (!chosen)
            return error;
        profile = *chosen;
    }
    session.store().setCurrentProfile(profile);

    const int row = ctx.sequences.reportRateRow();
    const WindowSequences::DpiPanel dpi = ctx.sequences.dpiPanel();
    QJsonArray stages;
    for (int value : dpi.values)
        stages.append(value);
    ctx.result = {
        {QStringLiteral("profile"), profile + 1},
        {QStringLiteral("name"), profileName(profile)},
        {QStringLiteral("active"), profile == session.activeProfile()},
        {QStringLiteral("reportRate"), row < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(kRateRows[row].hz)},
        {QStringLiteral("dpi"), QJsonObject{{QStringLiteral("count"), dpi.currentDpiCount},
                                            {QStringLiteral("offered"), dpi.dpiCount},
                                            {QStringLiteral("stages"), stages}}},
        {QStringLiteral("light"), lightObject(session, ctx.sequences.lightPanel())},
        {QStringLiteral("buttons"), buttonArray(session, ctx.sequences.buttonList())},
    };
    return {};
}

CliError runProfileUse(CommandContext& ctx)
{
    CliError error;
    const auto profile = profileOperand(ctx, &error);
    if (!profile)
        return error;
    if ((error = ctx.connect()))
        return error;
    ctx.sequences.changeProfile(*profile);
    if ((error = ctx.finish(QStringLiteral("sending the profile"))))
        return error;
    ctx.result = {{QStringLiteral("profile"), *profile + 1}};
    return {};
}

CliError runProfileImport(CommandContext& ctx)
{
    CliError error;
    const auto profile = profileOperand(ctx, &error);
    if (!profile)
        return error;
    const QString file = ctx.userPath(ctx.operands.at(1));
    if ((error = checkSettingsFile(file)))
        return error;
    ctx.session.chooser().setAnswer(file);
    if (!ctx.session.store().loadProfile(*profile))
        return CliError::file(QStringLiteral("cannot import %1 into profile %2").arg(file).arg(*profile + 1));
    if ((error = ctx.finish(QString())))
        return error;
    ctx.result = {{QStringLiteral("profile"), *profile + 1}, {QStringLiteral("file"), file}};
    return {};
}

CliError runProfileExport(CommandContext& ctx)
{
    CliError error;
    const auto profile = profileOperand(ctx, &error);
    if (!profile)
        return error;
    const QString file = ctx.userPath(ctx.operands.at(1));
    ctx.session.chooser().setAnswer(file);
    if (!ctx.session.store().saveProfile(*profile))
        return CliError::file(QStringLiteral("cannot write %1").arg(file));
    ctx.result = {{QStringLiteral("profile"), *profile + 1}, {QStringLiteral("file"), file}};
    return {};
}

// The active profile gets the window's factory reset (files, mouse, guns);
// another profile only gets its file back, as the profile dialog does.
CliError runProfileReset(CommandContext& ctx)
{
    CliError error;
    const auto profile = profileOperand(ctx, &error);
    if (!profile)
        return error;
    const bool active = *profile == ctx.session.activeProfile();
    if (active) {
        if ((error = ctx.connect()))
            return error;
        if (!ctx.sequences.factoryReset())
            return CliError::file(QStringLiteral("cannot restore profile %1 from the factory file").arg(*profile + 1));
    } else if (!ctx.session.store().resetProfile(*profile)) {
        return CliError::file(QStringLiteral("cannot restore profile %1 from the factory file").arg(*profile + 1));
    }
    if ((error = ctx.finish(QStringLiteral("sending the factory settings"))))
        return error;
    ctx.result = {{QStringLiteral("profile"), *profile + 1}, {QStringLiteral("sent"), active}};
    return {};
}
