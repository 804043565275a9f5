.pragma library

// The system-setting sliders are 352 long: knob positions 3 .. 337. A
// position becomes one of the desktop's speed indexes 0 .. 10 through these
// edges; only the leftmost position falls below the first one.
var EDGES = [4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338]
var FIRST_POSITION = 3
var LAST_POSITION = 337

// Rows per wheel notch that the page accepts, and the stored value that
// stands for "one screen per notch".
var MIN_ROWS = 1
var MAX_ROWS = 100
var ONE_SCREEN = 1000

function speedIndex(position) {
    var p = Number(position)
    for (var i = 0; i < EDGES.length; ++i) {
        if (p < EDGES[i])
            return i
    }
    return EDGES.length - 1
}

// The first position of the speed index next to the one at `position`, in
// `direction` (+1 or -1): where an arrow key puts the knob.
function neighbourPosition(position, direction) {
    var index = Math.max(0, Math.min(EDGES.length - 1, speedIndex(position) + (direction > 0 ? 1 : -1)))
    return index === 0 ? FIRST_POSITION : Math.min(LAST_POSITION, EDGES[index - 1])
}

// A stored knob position, kept on the track (text, gaps and strays
// included: the setting files hand back text).
function knobPosition(stored) {
    var p = Math.floor(Number(stored))
    if (stored === "" || !isFinite(p))
        return FIRST_POSITION
    return Math.max(FIRST_POSITION, Math.min(LAST_POSITION, p))
}

// What the stored "mouse/scrollRate" means: { oneScreen, rows }. rows is
// null for one screen, so the page keeps whatever the input shows.
function scrollChoice(stored) {
    var n = Math.floor(Number(stored))
    if (stored !== "" && isFinite(n) && n > MAX_ROWS)
        return { oneScreen: true, rows: null }
    return { oneScreen: false, rows: rowsOf(stored) }
}

// Rows from the input's text: empty, unreadable or below 1 gives 1.
function rowsOf(text) {
    var n = Math.floor(Number(text))
    if (text === "" || !isFinite(n) || n < MIN_ROWS)
        return MIN_ROWS
    return Math.min(MAX_ROWS, n)
}
