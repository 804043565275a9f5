// macro list|show|import|export|send: the macro library and the macro
// editor's import, export and send.
#include "commands.h"
#include "macrocheck.h"
#include "macroencoder.h"
#include "session.h"
#include "userfiles.h"

#include "store/keycatalogue.h"
#include "store/namelists.h"
#include "store/safefilename.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

constexpr int kMaxMacros = 100;  // the editor's list holds at most this many

const char* const kActionNames[] = {"pause", "press", "release", "button-press", "button-release"};

// The macro name list without the one-element filler.
QStringList macroNames()
{
    QStringList names;
    for (const QVariant& name : NameLists::getNameList(SettingKey::kMacroNameList))
        names.append(name.toString());
    if (names.size() == 2 && names.last() == SettingKey::kNameListFiller)
        names.removeLast();
    return names;
}

// New macros are "Macro_" with the lowest number 0..99 not yet used.
QString freeMacroName(const QStringList& names)
{
    for (int n = 0; n < kMaxMacros; ++n) {
        const QString name = QStringLiteral("Macro_%1").arg(n);
        if (!names.contains(name) && !macroExists(name))
            return name;
    }
    return {};
}

QJsonObject actionObject(const QString& stored)
{
    const int comma = int(stored.indexOf(QLatin1Char(',')));
    const int type = stored.left(comma).toInt();
    const QString info = comma < 0 ? QString() : stored.mid(comma + 1);
    const bool known = type >= 0 && type <= 4;
    return {{QStringLiteral("type"), type},
            {QStringLiteral("action"), known ? QString::fromLatin1(kActionNames[type]) : QStringLiteral("unknown")},
            {type == 0 ? QStringLiteral("ms") : QStringLiteral("key"),
             type == 0 ? QJsonValue(info.toInt()) : QJsonValue(info)}};
}

// Buttons of the active profile that play the macro.
QJsonArray buttonsPlaying(CommandContext& ctx, const QString& name)
{
    QJsonArray buttons;
    const QList<ButtonEntry> entries = ctx.sequences.buttonList();
    for (int index = 0; index < entries.size(); ++index) {
        const ButtonEntry& entry = entries.at(index);
        if (entry[0] == SettingKey::kMacroKind
            && ctx.session.store().getData(SettingKey::macroKeyKey(entry[2]), false).toString() == name)
            buttons.append(index + 1);
    }
    return buttons;
}

} // namespace

CliError runMacroList(CommandContext& ctx)
{
    QJsonArray macros;
    for (const QString& name : macroNames()) {
        const StoredMacro macro = splitStoredMacro(ctx.session.macros().loadMacroIni(name));
        macros.append(QJsonObject{{QStringLiteral("name"), name},
                                  {QStringLiteral("present"), macroExists(name)},
                                  {QStringLiteral("actions"), int(macro.actions.size())},
                                  {QStringLiteral("repeat"), macro.repeat}});
    }
    ctx.result = {{QStringLiteral("macros"), macros}};
    return {};
}

CliError runMacroShow(CommandContext& ctx)
{
    const QString name = ctx.operands.at(0);
    if (!macroExists(name))
        return CliError::file(QStringLiteral("no macro named \"%1\"").arg(name));
    const StoredMacro macro = splitStoredMacro(ctx.session.macros().loadMacroIni(name));
    QJsonArray actions;
    for (const QString& action : macro.actions)
        actions.append(actionObject(action));
    ctx.result = {{QStringLiteral("name"), name},
                  {QStringLiteral("repeat"), macro.repeat},
                  {QStringLiteral("bytes"), int(ctx.sequences.macroPayload(name).size())},
                  {QStringLiteral("buttons"), buttonsPlaying(ctx, name)},
                  {QStringLiteral("actions"), actions}};
    return {};
}

// The editor inserts an imported macro at its current row; the tool has no
// current row and appends it.
CliError runMacroImport(CommandContext& ctx)
{
    const QString file = ctx.userPath(ctx.operands.at(0));
    QStringList names = macroNames();
    QString name = ctx.operands.value(1);
    if (names.size() >= kMaxMacros)
        return CliError::usage(QStringLiteral("the macro library is full (%1 macros)").arg(kMaxMacros));
    if (name.isEmpty())
        name = freeMacroName(names);
    else if (!isSafeFileStem(name))
        return CliError::usage(QStringLiteral("\"%1\" cannot be a macro name").arg(name));
    else if (names.contains(name) || macroExists(name))
        return CliError::usage(QStringLiteral("a macro named \"%1\" exists").arg(name));
    if (CliError error = checkSettingsFile(file))
        return error;

    ctx.session.chooser().setAnswer(file);
    if (!ctx.session.macros().loadMacroFile(name))
        return CliError::file(QStringLiteral("cannot import %1 as macro \"%2\"").arg(file, name));
    names.append(name);
    if (!NameLists::updataNameList(SettingKey::kMacroNameList, names))
        return CliError::file(QStringLiteral("cannot write the macro list"));
    ctx.result = {{QStringLiteral("name"), name}, {QStringLiteral("file"), file}};
    return {};
}

CliError runMacroExport(CommandContext& ctx)
{
    const QString name = ctx.operands.at(0);
    const QString file = ctx.userPath(ctx.operands.at(1));
    if (!macroExists(name))
        return CliError::file(QStringLiteral("no macro named \"%1\"").arg(name));
    ctx.session.chooser().setAnswer(file);
    if (!ctx.session.macros().saveMacroFile(name))
        return CliError::file(QStringLiteral("cannot write %1").arg(file));
    ctx.result = {{QStringLiteral("name"), name}, {QStringLiteral("file"), file}};
    return {};
}

CliError runMacroSend(CommandContext& ctx)
{
    const QString name = ctx.operands.at(0);
    CliError error;
    const auto index = parseButton(ctx.session, ctx.operands.at(1), &error);
    if (!index)
        return error;
    if ((error = checkMacroForButton(ctx.sequences, name, *index)))
        return error;
    if ((error = ctx.connect()))
        return error;
    ctx.sequences.sendMacro(*index, name);
    if ((error = ctx.finish(QStringLiteral("sending the macro"))))
        return error;
    ctx.result = {{QStringLiteral("name"), name}, {QStringLiteral("button"), *index + 1}};
    return {};
}
