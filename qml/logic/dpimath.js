.pragma library

// A DPI slider is 176 long, so its knob is dragged over positions 3 .. 161;
// 158 is the span the limits are spread over. Stored values are placed one
// step further on (the top value lands on 162), and whatever a knob shows is
// read back from its position: stored values come back quantised.

var SPAN = 158
var FIRST_POSITION = 3
var LAST_POSITION = FIRST_POSITION + SPAN + 1
var DEFAULTS = { minDPI: 200, maxDPI: 6000, dpiBase: 50 }
var DEFAULT_VALUES = [500, 1000, 1500, 2000, 3000, 4000, 5000, 6000]
var STAGES = 8

function wholeNumber(value, fallback) {
    var n = Number(value)
    return value === "" || value === null || value === undefined || !isFinite(n) ? fallback : Math.floor(n)
}

// The global file hands the limits over as text. Limits that cannot span a
// slider (top not above bottom, no positive step) would divide by zero: the
// defaults stand in for all three, so the slider stays usable. Returns
// { minDPI, maxDPI, dpiBase, valid }.
function limits(minDPI, maxDPI, dpiBase) {
    var lo = wholeNumber(minDPI, DEFAULTS.minDPI)
    var hi = wholeNumber(maxDPI, DEFAULTS.maxDPI)
    var base = wholeNumber(dpiBase, DEFAULTS.dpiBase)
    if (lo < 0 || hi <= lo || base <= 0)
        return { minDPI: DEFAULTS.minDPI, maxDPI: DEFAULTS.maxDPI, dpiBase: DEFAULTS.dpiBase, valid: false }
    return { minDPI: lo, maxDPI: hi, dpiBase: base, valid: true }
}

// DPI shown for a knob position, rounded down to the DPI step.
function dpiAt(position, lim) {
    var raw = (position - FIRST_POSITION) * (lim.maxDPI - lim.minDPI) / SPAN + lim.minDPI
    return Math.floor(raw / lim.dpiBase) * lim.dpiBase
}

// The nearest position in `direction` (+1 or -1) that shows another DPI
// value: where an arrow key puts the knob. Keys reach what a drag reaches.
function neighbourPosition(position, direction, lim) {
    var last = FIRST_POSITION + SPAN
    var step = direction > 0 ? 1 : -1
    var p = Math.max(FIRST_POSITION, Math.min(last, Math.round(Number(position))))
    var value = dpiAt(p, lim)
    while (p + step >= FIRST_POSITION && p + step <= last) {
        p += step
        if (dpiAt(p, lim) !== value)
            return p
    }
    return p
}

// Knob position of a stored DPI value. Values beyond the limits are held at
// the ends of the track so that the knob never leaves it.
// The position lies one step above the value's own; while a step spans less
// than the DPI step, the rounding down hides that. With coarser steps (e.g.
// 200 .. 16000 by 50, 100 DPI a step) it would read back one step higher,
// and every Save would raise the stage again: the position below is taken
// when it reads the value back exactly.
function positionOf(value, lim) {
    var v = wholeNumber(value, lim.minDPI)
    var p = Math.floor(SPAN * (v - lim.minDPI) / (lim.maxDPI - lim.minDPI)) + FIRST_POSITION + 1
    p = Math.max(FIRST_POSITION, Math.min(LAST_POSITION, p))
    if (p > FIRST_POSITION && dpiAt(p, lim) > v && dpiAt(p - 1, lim) === v)
        return p - 1
    return p
}

// The eight stage values from a stored list: missing or unreadable entries
// take the default of their stage.
function stageValues(list) {
    var out = []
    for (var i = 0; i < STAGES; ++i) {
        var v = list && i < list.length ? wholeNumber(list[i], NaN) : NaN
        out.push(isNaN(v) ? DEFAULT_VALUES[i] : v)
    }
    return out
}

// Stage count: a whole number in 1 .. upper, else the fallback.
function stageCount(value, upper, fallback) {
    var n = wholeNumber(value, fallback)
    return n >= 1 && n <= upper ? n : fallback
}

// Room between the visible sliders and between their value texts, for
// 2 .. 8 stages; one stage needs none.
var SLIDER_SPACING = [0, 0, 33, 33, 33, 33, 27, 24, 22]
var TEXT_SPACING = [0, 0, 10, 12, 14, 14, 10, 8, 4]

function sliderSpacing(count) {
    return SLIDER_SPACING[Math.max(0, Math.min(STAGES, count))]
}
function textSpacing(count) {
    return TEXT_SPACING[Math.max(0, Math.min(STAGES, count))]
}
