.pragma library

// Button assignments as the scene edits them: four numbers per button
// (kind, then three codes), the fixed choices of the assignment dialog, the
// encoders of the captured kinds and the text each assignment is shown as.

var Kind = {
    Mouse: 0x00, Fire: 0x01, Combo: 0x02, Media: 0x03, Macro: 0x04,
    Dpi: 0x05, Windows: 0x06, Shortcut: 0x07, Gun: 0x08, None: 0xFF
}

var buttonCount = 16
var leftButton = 0xF0
var firstModifier = 0xE0
var lastModifier = 0xE7

// The English texts of the language section "keyAssigment", by index.
var defaultLabels = [
    "Key ", "Mouse Function",
    "Left Key", "Middle Key", "Right Key", "Forward Key", "Back Key", "Double Fire",
    "Fire Function", "Key Value", "Click Input", "Rate", "Times", "Endness",
    "Group Function", "Media Function", "Macro Function", "Macro Editor",
    "Macro runs one-time after pressing the button",
    "Macro runs endless loop until any button is pressed",
    "Macro runs endless loop until button is released",
    "DPI Function", "DPI+", "DPI-", "DPI LOOP", "Windows Function", "Shortcut Function",
    "Player", "Next", "Privous", "Stop", "Mute", "Play/Pause", "Volumn+", "Volumn-",
    "My PC", "Index", "Search", "Max", "Min", "Desktop", "Run",
    "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
    "Gun Function", "One Gun", "Two Gun", "Three Gun", "Sniper Key"
]

// Label indexes the dialog's own texts use.
var Label = {
    keyTitle: 0, mouseGroup: 1, fireGroup: 8, keyValue: 9, clickInput: 10, rate: 11,
    times: 12, endness: 13, comboGroup: 14, mediaGroup: 15, macroGroup: 16,
    macroEditor: 17, firstPlayMode: 18, dpiGroup: 21, windowsGroup: 25,
    shortcutGroup: 26, gunGroup: 52
}

function row(group, label, kind, code1, code2, code3) {
    return { "group": group, "label": label, "codes": [kind, code1, code2, code3] }
}

// Every choice the dialog offers with a fixed meaning, in the dialog's order
// within each group.
var choices = [
    row("mouse", 2, Kind.Mouse, 0, 0xF0, 0),
    row("mouse", 3, Kind.Mouse, 0, 0xF2, 0),
    row("mouse", 4, Kind.Mouse, 0, 0xF1, 0),
    row("mouse", 5, Kind.Mouse, 0, 0xF4, 0),
    row("mouse", 6, Kind.Mouse, 0, 0xF3, 0),
    row("mouse", 7, Kind.Mouse, 0xF0, 0x1E, 0x02),
    row("media", 27, Kind.Media, 0, 0x83, 0x01),
    row("media", 28, Kind.Media, 0, 0xB5, 0x00),
    row("media", 29, Kind.Media, 0, 0xB6, 0x00),
    row("media", 30, Kind.Media, 0, 0xB7, 0x00),
    row("media", 31, Kind.Media, 0, 0xE2, 0x00),
    row("media", 32, Kind.Media, 0, 0xCD, 0x00),
    row("media", 33, Kind.Media, 0, 0xE9, 0x00),
    row("media", 34, Kind.Media, 0, 0xEA, 0x00),
    row("windows", 35, Kind.Windows, 0, 0x94, 0x01),
    row("windows", 36, Kind.Windows, 0, 0x23, 0x02),
    row("windows", 37, Kind.Windows, 0, 0x21, 0x02),
    row("windows", 38, Kind.Windows, 0x04, 0x2C, 0x1B),
    row("windows", 39, Kind.Windows, 0x04, 0x2C, 0x11),
    row("windows", 40, Kind.Windows, 0, 0xE3, 0x07),
    row("windows", 41, Kind.Windows, 0, 0xE3, 0x15),
    row("shortcut", 42, Kind.Shortcut, 0, 0xE0, 0x11),
    row("shortcut", 43, Kind.Shortcut, 0, 0xE0, 0x1B),
    row("shortcut", 44, Kind.Shortcut, 0, 0xE0, 0x06),
    row("shortcut", 45, Kind.Shortcut, 0, 0xE0, 0x19),
    row("shortcut", 46, Kind.Shortcut, 0, 0xE0, 0x16),
    row("shortcut", 47, Kind.Shortcut, 0, 0xE0, 0x13),
    row("shortcut", 48, Kind.Shortcut, 0, 0xE0, 0x09),
    row("shortcut", 49, Kind.Shortcut, 0, 0xE0, 0x1C),
    row("shortcut", 50, Kind.Shortcut, 0, 0xE0, 0x1D),
    row("shortcut", 51, Kind.Shortcut, 0, 0xE0, 0x04),
    row("dpi", 22, Kind.Dpi, 0, 1, 0),
    row("dpi", 23, Kind.Dpi, 0, 2, 0),
    row("dpi", 24, Kind.Dpi, 0, 3, 0),
    row("dpi", 56, Kind.Dpi, 0, 4, 0),
    row("gun", 53, Kind.Gun, 0, 1, 0),
    row("gun", 54, Kind.Gun, 0, 2, 0),
    row("gun", 55, Kind.Gun, 0, 3, 0)
]

function choicesOf(group) {
    return choices.filter(function (c) { return c.group === group })
}

// What a button does before any profile has been read.
function defaultEntries() {
    var out = [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0], [0, 0, 0xF4, 0],
               [0, 0, 0xF3, 0], [5, 0, 1, 0], [5, 0, 2, 0], [0, 0xF0, 0x1E, 2]]
    for (var i = 8; i < 14; ++i)
        out.push([0, 0, 0, 0])
    out.push([0xFF, 0, 1, 0])
    out.push([0xFF, 0, 2, 0])
    return out
}

// Settings come back as text ("240"); an entry missing from the profile
// comes back as an empty list, whose codes are then not numbers.
function toCodes(list) {
    var out = []
    for (var i = 0; i < 4; ++i)
        out.push(list && list.length > i ? Number(list[i]) : NaN)
    return out
}
function isComplete(codes) {
    for (var i = 0; i < 4; ++i) {
        if (typeof codes[i] !== "number" || !isFinite(codes[i]))
            return false
    }
    return true
}
function sameCodes(a, b) {
    for (var i = 0; i < 4; ++i) {
        if (a[i] !== b[i])
            return false
    }
    return true
}

// The 64 numbers the controller takes, entry 0 first; a code that is not a
// number goes out as 0, as the device reads a missing byte.
function flatten(entries) {
    var out = []
    for (var i = 0; i < buttonCount; ++i) {
        for (var j = 0; j < 4; ++j) {
            var value = entries[i] ? Number(entries[i][j]) : 0
            out.push(isFinite(value) ? value : 0)
        }
    }
    return out
}

// Index of the only plain left-button assignment, or -1 when there is none
// or more than one: the mouse must keep at least one left button.
function onlyLeftButton(entries) {
    var found = -1
    for (var i = 0; i < entries.length; ++i) {
        var c = entries[i]
        if (c[0] === Kind.Mouse && c[2] === leftButton) {
            if (found >= 0)
                return -1
            found = i
        }
    }
    return found
}

function isModifier(code) {
    return code >= firstModifier && code <= lastModifier
}

function fireCodes(key, rate, times) {
    return [Kind.Fire, key, rate, times]
}
function macroCodes(mode, slot) {
    return [Kind.Macro, mode, slot, 0]
}

// The fire rate: the drop-down's slider position p shows p + 1 ms, and the
// byte sent is that number of milliseconds.
var minRate = 4
var maxRate = 80
var defaultRate = 10
function rateOfPosition(position) {
    return Math.max(minRate, Math.min(maxRate, Math.floor(position) + 1))
}
function rateText(rate) {
    return rate + "MS"
}
function positionOfRate(rate) {
    return rate - 1
}
// The number the rate head shows ("10ms", "24MS").
function rateOfText(text) {
    var value = parseInt(String(text), 10)
    return isFinite(value) ? Math.max(minRate, Math.min(maxRate, value)) : defaultRate
}

// Combination capture: modifiers set their bit every time (a modifier
// pressed twice is named twice), other keys are taken up to two.
function comboStart() {
    return { "bits": 0, "keys": [], "names": [] }
}
function comboPress(state, code, name) {
    var next = { "bits": state.bits, "keys": state.keys.slice(), "names": state.names.slice() }
    if (isModifier(code)) {
        next.bits |= 1 << (code - firstModifier)
    } else {
        if (next.keys.length >= 2)
            return state
        next.keys.push(code)
    }
    next.names.push(name)
    return next
}
function comboText(state) {
    return state.names.join(" + ")
}
function comboCodes(state) {
    return [Kind.Combo, state.bits, state.keys.length > 0 ? state.keys[0] : 0,
            state.keys.length > 1 ? state.keys[1] : 0]
}

var mouseLabels = { 0xF0: 2, 0xF2: 3, 0xF1: 4, 0xF4: 5, 0xF3: 6 }
var dpiLabels = { 1: 22, 2: 23, 3: 24, 4: 56 }
var gunLabels = { 1: 53, 2: 54, 3: 55 }

function labelOf(labels, index) {
    return index === undefined || labels[index] === undefined ? "" : String(labels[index])
}

// Media, Windows and shortcut rows are told apart by their last two codes;
// "Max" and "Min" also carry Alt in the first, which is not compared.
function tableLabelIndex(codes) {
    for (var i = 0; i < choices.length; ++i) {
        var c = choices[i].codes
        if (c[0] === codes[0] && c[2] === codes[2] && c[3] === codes[3])
            return choices[i].label
    }
    return undefined
}

// The text an assignment is shown as. `keyName(code)` names a key ("" when
// unknown), `macroName(slot)` gives the macro stored for a slot.
function describe(codes, labels, keyName, macroName) {
    if (!isComplete(codes))
        return ""
    switch (codes[0]) {
    case Kind.Mouse:
        return labelOf(labels, mouseLabels[codes[2]] !== undefined ? mouseLabels[codes[2]] : 7)
    case Kind.Fire:
        return keyName(codes[1])
    case Kind.Combo:
        var parts = []
        for (var bit = 0; bit < 8; ++bit) {
            if (codes[1] & (1 << bit))
                parts.push(keyName(firstModifier + bit))
        }
        if (codes[2] !== 0)
            parts.push(keyName(codes[2]))
        if (codes[3] !== 0)
            parts.push(keyName(codes[3]))
        return parts.join("+")
    case Kind.Media:
    case Kind.Windows:
    case Kind.Shortcut:
        return labelOf(labels, tableLabelIndex(codes))
    case Kind.Macro:
        var name = macroName(codes[2])
        return name === undefined || name === null ? "" : String(name)
    case Kind.Dpi:
        return labelOf(labels, dpiLabels[codes[2]])
    case Kind.Gun:
        return labelOf(labels, gunLabels[codes[2]])
    default:
        return ""
    }
}
