// dpi, rate and light: the DPI panel, the report-rate box and the lighting
// panel, each stored and sent as the window's Save does.
#include "commands.h"
#include "session.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

constexpr int kMaxStages = 8;

QJsonArray stageArray(const WindowSequences::DpiPanel& panel)
{
    QJsonArray stages;
    for (int value : panel.values)
        stages.append(value);
    return stages;
}

CliError saveDpi(CommandContext& ctx, const WindowSequences::DpiPanel& panel)
{
    if (CliError error = ctx.connect())
        return error;
    ctx.sequences.saveDpi(panel);
    if (CliError error = ctx.finish(QStringLiteral("sending the DPI stages")))
        return error;
    ctx.result = {{QStringLiteral("count"), panel.currentDpiCount},
                  {QStringLiteral("stages"), stageArray(panel)}};
    return {};
}

// "STAGE=VALUE": a stage the mouse offers, a value on the slider's range and
// grid. The stored value is the one the slider shows for it.
CliError setStage(WindowSequences::DpiPanel& panel, const QString& operand)
{
    const QStringList parts = operand.split(QLatin1Char('='));
    if (parts.size() != 2)
        return CliError::usage(QStringLiteral("expected STAGE=VALUE, not \"%1\"").arg(operand));
    const int offered = std::min(panel.dpiCount, kMaxStages);
    const auto stage = parseNumber(parts[0], 1, offered);
    if (!stage)
        return rangeError(QStringLiteral("DPI stage"), parts[0], 1, offered);
    const DpiLimits& limits = panel.limits;
    const auto value = parseNumber(parts[1], limits.minDpi, limits.maxDpi);
    if (!value)
        return rangeError(QStringLiteral("DPI"), parts[1], limits.minDpi, limits.maxDpi);
    if (limits.dpiBase > 0 && *value % limits.dpiBase != 0)
        return CliError::usage(QStringLiteral("DPI must be a multiple of %1, not %2").arg(limits.dpiBase).arg(*value));
    panel.values[std::size_t(*stage - 1)] = dpiShownBySlider(*value, limits);
    return {};
}

// "N=#rrggbb" (or several, comma-separated) for colour blocks 1..8.
CliError setColours(WindowSequences::LightPanel& panel, const QStringList& options)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-8])=#?([0-9a-fA-F]{6})$"));
    for (const QString& option : options) {
        for (const QString& item : option.split(QLatin1Char(','))) {
            const QRegularExpressionMatch match = pattern.match(item.trimmed());
            if (!match.hasMatch())
                return CliError::usage(QStringLiteral("colour must be N=#rrggbb with N 1..8, not \"%1\"").arg(item));
            const int block = match.captured(1).toInt() - 1;
            const uint rgb = match.captured(2).toUInt(nullptr, 16);
            panel.colours[std::size_t(block * 3)] = int((rgb >> 16) & 0xFF);
            panel.colours[std::size_t(block * 3 + 1)] = int((rgb >> 8) & 0xFF);
            panel.colours[std::size_t(block * 3 + 2)] = int(rgb & 0xFF);
        }
    }
    return {};
}

CliError setStep(const QMap<QString, QStringList>& options, const QString& name, bool shown,
                 const QString& effect, int* step)
{
    if (!options.contains(name))
        return {};
    if (!shown)
        return CliError::usage(QStringLiteral("effect %1 has no %2 setting").arg(effect, name));
    const QString text = options.value(name).constLast();
    const auto value = parseNumber(text, 0, kLightSteps - 1);
    if (!value)
        return rangeError(name, text, 0, kLightSteps - 1);
    *step = *value;
    return {};
}

} // namespace

CliError runDpiSet(CommandContext& ctx)
{
    WindowSequences::DpiPanel panel = ctx.sequences.dpiPanel();
    for (const QString& operand : ctx.operands)
        if (CliError error = setStage(panel, operand))
            return error;
    return saveDpi(ctx, panel);
}

CliError runDpiStages(CommandContext& ctx)
{
    WindowSequences::DpiPanel panel = ctx.sequences.dpiPanel();
    const int offered = std::min(panel.dpiCount, kMaxStages);
    const auto count = parseNumber(ctx.operands.at(0), 1, offered);
    if (!count)
        return rangeError(QStringLiteral("stage count"), ctx.operands.at(0), 1, offered);
    panel.currentDpiCount = *count;
    return saveDpi(ctx, panel);
}

CliError runDpiCurrent(CommandContext& ctx)
{
    const int inUse = std::clamp(ctx.sequences.dpiPanel().currentDpiCount, 1, kMaxStages);
    const auto stage = parseNumber(ctx.operands.at(0), 1, inUse);
    if (!stage)
        return rangeError(QStringLiteral("DPI stage"), ctx.operands.at(0), 1, inUse);
    if (CliError error = ctx.connect())
        return error;
    // Stages count from 1 on the wire.
    ctx.session.controller().mouseSetCurrentDPI(uchar(*stage));
    if (CliError error = ctx.finish(QStringLiteral("selecting the DPI stage")))
        return error;
    ctx.result = {{QStringLiteral("stage"), *stage}};
    return {};
}

CliError runRate(CommandContext& ctx)
{
    const QString text = ctx.operands.at(0);
    int row = -1;
    for (int i = 0; i < int(std::size(kRateRows)); ++i)
        if (text == QString::number(kRateRows[i].hz))
            row = i;
    if (row < 0)
        return CliError::usage(QStringLiteral("report rate must be 125, 250, 500 or 1000 Hz, not \"%1\"").arg(text));
    if (CliError error = ctx.connect())
        return error;
    ctx.sequences.saveReportRate(row);
    if (CliError error = ctx.finish(QStringLiteral("setting the report rate")))
        return error;
    ctx.result = {{QStringLiteral("reportRate"), kRateRows[row].hz}};
    return {};
}

CliError runLight(CommandContext& ctx)
{
    const SettingsStore& store = ctx.session.store();
    const LightingFlags flags{store.isColorful(), store.is55328()};
    const auto effect = findEffect(flags, ctx.operands.at(0));
    if (!effect) {
        QStringList names;
        for (const EffectRow& row : effectRows(flags))
            names.append(row.name);
        return CliError::usage(QStringLiteral("unknown effect \"%1\" (this mouse offers: %2)")
                                   .arg(ctx.operands.at(0), names.join(QStringLiteral(", "))));
    }

    // As choosing the effect in the drop-down, then moving its sliders.
    WindowSequences::LightPanel panel = ctx.sequences.lightPanel();
    panel.effect = effect->row;
    panel.speed = effect->speedOnChoosing.value_or(panel.speed);
    panel.brightness = effect->brightnessOnChoosing.value_or(panel.brightness);
    if (CliError error = setStep(ctx.options, QStringLiteral("speed"), effect->speed, effect->name, &panel.speed))
        return error;
    if (CliError error = setStep(ctx.options, QStringLiteral("brightness"), effect->brightness, effect->name,
                                 &panel.brightness))
        return error;
    if (ctx.options.contains(QStringLiteral("color"))) {
        if (!effect->colours)
            return CliError::usage(QStringLiteral("effect %1 takes no colours").arg(effect->name));
        if (CliError error = setColours(panel, ctx.options.value(QStringLiteral("color"))))
            return error;
    }

    if (CliError error = ctx.connect())
        return error;
    ctx.sequences.saveLighting(panel);
    if (CliError error = ctx.finish(QStringLiteral("sending the lighting")))
        return error;
    ctx.result = {{QStringLiteral("effect"), effect->name},
                  {QStringLiteral("speed"), panel.speed},
                  {QStringLiteral("brightness"), panel.brightness}};
    return {};
}
