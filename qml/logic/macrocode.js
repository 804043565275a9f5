.pragma library

// Macro actions and the device's macro payload.
//
// An action is { type, info }: 0 a pause (info: milliseconds), 1/2 a key
// press/release, 3/4 a mouse-button press/release (info: the key table's
// name). Files keep an action as "<type>,<info>".
//
// Payload: repeat count (high, low byte), one record [timing, code] per key
// or mouse action, terminator 0, 0. The timing byte holds the pause after
// the action in 10 ms units (0 written as 1) and 0x80 for a release; from
// 127 units on it holds 0 and two extension records follow: the unit and
// the pause counted in that unit.

var Delay = 0
var KeyDown = 1
var KeyUp = 2
var MouseDown = 3
var MouseUp = 4

var MouseCodeBase = 0xF0
var UnitMs = 10
var LongPause = 127          // units; from here on the pause needs extension records
var MaxPause = 599999        // the largest pause the extension records can carry
var MaxDelayMs = 65535       // one delay action
var MaxRepeat = 65535
var DefaultRepeat = 1
var TakeLimit = 126          // the editor adds actions only below this length
var PayloadLimit = 128       // the device's macro block

// Extension unit records: pauses below `below` units are counted in `unit`
// (1: 20 ms, 2: 50 ms, 3: 100 ms) by dividing by `divisor`.
var extensionUnits = [
    { below: 100000, unit: 1, divisor: 2 },
    { below: 300000, unit: 2, divisor: 5 },
    { below: 600000, unit: 3, divisor: 10 }
]

function isKeyAction(type) {
    return type >= KeyDown && type <= MouseUp
}
function isRelease(type) {
    return type === KeyUp || type === MouseUp
}
// Type of a recorded key event.
function eventType(isDown, code) {
    var mouse = Number(code) >= MouseCodeBase
    if (isDown)
        return mouse ? MouseDown : KeyDown
    return mouse ? MouseUp : KeyUp
}

// "1,A" -> { type: 1, info: "A" }. A step whose first character is not a
// type digit keeps type -1: it is shown and stored as it came, never encoded.
function parseAction(text) {
    var s = String(text)
    var type = parseInt(s.charAt(0), 10)
    if (isNaN(type) || type > MouseUp)
        type = -1
    return { type: type, info: s.substring(2) }
}
function actionText(action) {
    return String(action.type) + "," + String(action.info)
}

// Milliseconds of a pause; text that is not a number counts as no pause.
function delayMs(info) {
    var ms = parseInt(String(info), 10)
    return isNaN(ms) || ms < 0 ? 0 : ms
}
// The stored "Times" as the count sent; unreadable text gives the default.
function repeatCount(value) {
    var n = parseInt(String(value), 10)
    if (isNaN(n))
        return DefaultRepeat
    return Math.max(0, Math.min(MaxRepeat, n))
}

// A JavaScript array or a ListModel (count/get) as an array of actions.
function toArray(actions) {
    if (actions === undefined || actions === null)
        return []
    if (actions.length !== undefined)
        return actions
    var out = []
    for (var i = 0; i < actions.count; ++i)
        out.push(actions.get(i))
    return out
}

// The key and mouse actions in order, each with the pause (in whole units,
// at most MaxPause) that separates it from the next one. Pauses before the
// first and after the last action lead nowhere and are dropped; the last
// action's pause is -1.
function timedActions(actions) {
    var list = toArray(actions)
    var out = []
    var pendingMs = 0
    for (var i = 0; i < list.length; ++i) {
        var type = Number(list[i].type)
        if (type === Delay) {
            pendingMs += delayMs(list[i].info)
        } else if (isKeyAction(type)) {
            if (out.length > 0)
                out[out.length - 1].pause = Math.min(MaxPause, Math.floor(pendingMs / UnitMs))
            out.push({ type: type, info: list[i].info, pause: -1 })
            pendingMs = 0
        }
    }
    return out
}

function extensionFor(pause) {
    for (var i = 0; i < extensionUnits.length; ++i) {
        if (pause < extensionUnits[i].below) {
            var count = Math.floor(pause / extensionUnits[i].divisor)
            return [0, extensionUnits[i].unit, count >> 8, count & 0xFF]
        }
    }
    return []   // unreachable: timedActions caps the pause
}

// The payload for `actions` with `repeat` as its count; `codeOf` turns a
// key name into its code (the key table of the current language).
function deCode(actions, repeat, codeOf) {
    var count = repeatCount(repeat)
    var payload = [count >> 8, count & 0xFF]
    var timed = timedActions(actions)
    if (timed.length === 0)
        return payload
    for (var i = 0; i < timed.length; ++i) {
        var a = timed[i]
        var code = Number(codeOf(a.info))
        var flag = isRelease(a.type) ? 0x80 : 0
        if (a.pause >= LongPause) {
            payload.push(flag, code & 0xFF)
            payload = payload.concat(extensionFor(a.pause))
        } else {
            var units = a.pause <= 0 ? 1 : a.pause
            payload.push(flag | units, code & 0xFF)
        }
    }
    payload.push(0, 0)
    return payload
}

// Bytes deCode gives for `actions`, without the key table.
function encodedLength(actions) {
    var timed = timedActions(actions)
    if (timed.length === 0)
        return 2
    var length = 2 + 2 * timed.length + 2
    for (var i = 0; i < timed.length; ++i) {
        if (timed[i].pause >= LongPause)
            length += 4
    }
    return length
}
