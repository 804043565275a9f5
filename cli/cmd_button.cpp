// button N ACTION: the key-assignment dialog, closed, then Save.
#include "commands.h"
#include "macrocheck.h"
#include "session.h"

#include "store/keycatalogue.h"

#include <QJsonArray>

namespace {

// The window never lets the last plain left button go.
bool removesLastLeftButton(const QList<ButtonEntry>& entries, int index, const ButtonEntry& replacement)
{
    if (!isPlainLeftButton(entries.at(index)) || isPlainLeftButton(replacement))
        return false;
    return std::count_if(entries.begin(), entries.end(), isPlainLeftButton) == 1;
}

} // namespace

CliError runButton(CommandContext& ctx)
{
    CliError error;
    const auto index = parseButton(ctx.session, ctx.operands.at(0), &error);
    if (!index)
        return error;
    QString why;
    const auto action = parseButtonAction(ctx.operands.at(1), {*index, ctx.session.store().isGun()}, &why);
    if (!action)
        return CliError::usage(why);
    QList<ButtonEntry> entries = ctx.sequences.buttonList();
    if (removesLastLeftButton(entries, *index, action->entry))
        return CliError::usage(QStringLiteral("button %1 is the only left button; give another button \"left\" first")
                                   .arg(*index + 1));
    const bool isMacro = !action->macroName.isEmpty();
    if (isMacro && (error = checkMacroForButton(ctx.sequences, action->macroName, *index)))
        return error;

    if ((error = ctx.connect()))
        return error;
    if (isMacro) {
        ctx.sequences.sendMacro(*index, action->macroName);
        ctx.session.store().setData(SettingKey::macroKeyKey(*index), action->macroName);
    }
    entries[*index] = action->entry;
    ctx.sequences.saveButtonList(entries);
    if ((error = ctx.finish(QStringLiteral("sending the button assignments"))))
        return error;

    const ButtonEntry& entry = action->entry;
    ctx.result = {{QStringLiteral("button"), *index + 1},
                  {QStringLiteral("action"), describeButtonEntry(entry, action->macroName)},
                  {QStringLiteral("bytes"), QJsonArray{entry[0], entry[1], entry[2], entry[3]}}};
    return {};
}
