.pragma library

// Arithmetic of the gun editor. The aiming dot moves vertically only, from
// y 89 (no pull, Y 0) to y 183 (full pull, Y 64) inside the target picture.
// The rate knob's positions 3 .. 89 stand for periods of position + 1 ms.
var DOT_TOP = 89
var DOT_SPAN = 94
var DOT_BOTTOM = DOT_TOP + DOT_SPAN
var Y_MAX = 64

var KNOB_MIN = 3
var KNOB_MAX = 89
var PERIOD_MIN = KNOB_MIN + 1
var PERIOD_MAX = KNOB_MAX + 1
var RATE_SUFFIX = "MS"

var TIMES_MAX = 255

// A whole number read from the record's text, or `fallback` when the text
// is not a number (the gun file hands back text, possibly empty).
function wholeOf(value, fallback) {
    var n = Math.floor(Number(value))
    if (value === "" || value === null || value === undefined || !isFinite(n))
        return fallback
    return n
}

function clamp(value, low, high) {
    return Math.max(low, Math.min(high, value))
}

function dotOfY(y) {
    return DOT_SPAN * clamp(wholeOf(y, 0), 0, Y_MAX) / Y_MAX + DOT_TOP
}

// The dot's y back to Y. The product is taken before the division so that
// dotOfY(Y) gives Y back exactly.
function yOfDot(dotY) {
    var y = Math.floor((Number(dotY) - DOT_TOP) * Y_MAX / DOT_SPAN)
    return isFinite(y) ? clamp(y, 0, Y_MAX) : 0
}

// Where the rate knob rests for a stored period. A period off the track
// (stored by hand or by another program) puts the knob at the nearer end;
// the stored value itself is left alone.
function knobOfPeriod(period) {
    return clamp(wholeOf(period, 10) - 1, KNOB_MIN, KNOB_MAX)
}

function periodOfKnob(position) {
    return clamp(Math.round(Number(position)), KNOB_MIN, KNOB_MAX) + 1
}

function rateLabel(period) {
    return String(period) + RATE_SUFFIX
}

// The period a rate label names: the characters before "MS".
function periodOfLabel(label) {
    var text = String(label)
    var end = text.indexOf(RATE_SUFFIX)
    return wholeOf(end < 0 ? text : text.substring(0, end), 10)
}

function isEndless(times) {
    return String(times) === "0"
}

// What a gun slot sends: times, X and Y as whole numbers.
function slotValues(gun) {
    return [wholeOf(gun.times, 0), wholeOf(gun.x, 0), wholeOf(gun.y, 0)]
}

// The six values the gun file keeps for a gun, in file order.
function record(gun) {
    return [gun.name, gun.key, gun.period, gun.x, gun.y, gun.times]
}

// A record read from the gun file laid over the built-in one. A record
// that is not six values long (missing file, damaged line) changes nothing.
function fromRecord(builtIn, stored) {
    if (!stored || stored.length < 6)
        return null
    return {
        name: String(stored[0]), key: String(stored[1]), period: String(stored[2]),
        x: String(stored[3]), y: String(stored[4]), times: String(stored[5]),
        picture: builtIn.picture
    }
}

// The stored slot choice "mouse/selectGun": three gun rows. Missing or
// stray values fall back to the built-in choice 0, 1, 2.
function slotsOf(stored, gunCount) {
    var out = [0, 1, 2]
    if (!stored || typeof stored === "string")
        return out
    for (var i = 0; i < 3 && i < stored.length; ++i) {
        var row = wholeOf(stored[i], -1)
        if (row >= 0 && row < gunCount)
            out[i] = row
    }
    return out
}
