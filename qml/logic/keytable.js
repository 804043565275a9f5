.pragma library

// The key table: HID keyboard usage IDs (and the five mouse-button codes)
// with the names shown everywhere in the scene. Names and codes are matched
// by position, so a translated name list must keep this order. The state
// lives with the caller (KeyCodeString): a library is shared by every
// importer and must not hold a list one of them replaces.

var entryCount = 133

function span(first, last) {
    var out = []
    for (var code = first; code <= last; ++code)
        out.push(code)
    return out
}

// Keyboard page 0x04-0x73, the international and language keys, the
// modifiers, then left, right, middle, button 4 and button 5.
var codes = span(0x04, 0x73)
    .concat([0x85, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x90, 0x91])
    .concat(span(0xE0, 0xE7))
    .concat(span(0xF0, 0xF4))

var names = [
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "Enter", "Esc", "Back", "Tab", "Space", "-", "=", "[", "]", "\\", "\\",
    ";", "'", "`", ",", ".", "/", "Caps",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "Prt", "Scr", "Pau", "Ins", "Hom", "Pgu", "Del", "End", "PgD",
    "►", "◄", "▼", "▲",
    "Num", "KP/", "KP*", "KP-", "KP+", "KPEnter",
    "KP1", "KP2", "KP3", "KP4", "KP5", "KP6", "KP7", "KP8", "KP9", "KP0", "KP.",
    "Eur2", "App", "Power", "KP=",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    "Keypad", "Intl1", "Intl2", "Intl2", "Intl4", "Intl5", "Lang1", "Lang2",
    "LCtrl", "LShift", "LAlt", "LWin", "RCtrl", "RShift", "RAlt", "RWin",
    "MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"
]

// Settings files hand numbers back as text ("4"), hence the conversion.
// The first entry wins, so a code listed once per name is found either way.
function nameOf(code, nameList) {
    var wanted = Number(code)
    var index = codes.indexOf(wanted)
    return index < 0 ? "" : String(nameList[index])
}

// A name listed twice ("\", "Intl2") always gives its first code.
function codeOf(name, nameList) {
    var wanted = String(name)
    for (var i = 0; i < entryCount; ++i) {
        if (String(nameList[i]) === wanted)
            return codes[i]
    }
    return 0
}

// A replacement list is taken only whole: names are matched to codes by
// position, so a list of another length would shift every name.
function isCompleteNameList(list) {
    return list !== undefined && list !== null && list.length === entryCount
}
