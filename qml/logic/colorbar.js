.pragma library

// The hue bar of the lighting panel: six 30-pixel segments red -> yellow ->
// green -> cyan -> blue -> magenta -> red, then a red tail and one white
// pixel at the far right. Positions run 0 .. 183 from the bar's left edge.

var SEGMENT = 30
var LAST_X = 183
var WHITE = [255, 255, 255]

// Where a key sends the pointer from x, or NaN for a key the bar leaves
// alone: a pixel with the arrows, a tenth of the bar with Page Up and Page
// Down, the ends with Home and End. pointTo keeps it on the bar.
function keyTarget(key, x) {
    var page = Math.round(LAST_X / 10)
    switch (key) {
    case Qt.Key_Right: return x + 1
    case Qt.Key_Left: return x - 1
    case Qt.Key_PageUp: return x + page
    case Qt.Key_PageDown: return x - page
    case Qt.Key_Home: return 0
    case Qt.Key_End: return LAST_X
    }
    return NaN
}

// Colour [r, g, b] under position x.
function colorAt(x) {
    var pos = Math.max(0, Math.min(LAST_X, Math.floor(Number(x)) || 0))
    var k = Math.floor(pos / SEGMENT)
    var s = Math.floor((pos - k * SEGMENT) * 255 / SEGMENT)
    switch (k) {
    case 0: return [255, s, 0]
    case 1: return [255 - s, 255, 0]
    case 2: return [0, 255, s]
    case 3: return [0, 255 - s, 255]
    case 4: return [s, 0, 255]
    case 5: return [255, 0, 255 - s]
    default: return pos > 182 ? WHITE.slice() : [255, 0, 0]
    }
}

// Position that shows colour [r, g, b]. The pointer reads the bar with
// segments of 30.5 pixels, so a colour taken from the bar comes back within
// a pixel or two of where it was taken. The tests run in this order and the
// first match wins; a colour on no hue edge (black, greys, mixes) puts the
// pointer at the left end and the caller keeps the exact colour.
function positionOf(rgb) {
    var r = rgb[0], g = rgb[1], b = rgb[2]
    var d = 30.5
    var e = d / 256
    var x
    if (r === 255 && b === 0)
        x = e * g
    else if (r === 0 && b === 255)
        x = 3 * d + e * (255 - g)
    else if (g === 255 && b === 0)
        x = d + e * (255 - r)
    else if (g === 0 && b === 255)
        x = 4 * d + e * r
    else if (r === 0 && g === 255)
        x = 2 * d + e * b
    else if (r === 255 && g === 0)
        x = 5 * d + e * (255 - b)
    else if (r === 255 && g === 255 && b === 255)
        x = LAST_X
    else
        x = 0
    return Math.floor(x)
}

// One channel from stored or typed text: a whole number 0 .. 255; anything
// unreadable counts as 0.
function channel(value) {
    var n = Math.floor(Number(value))
    return value === "" || !isFinite(n) ? 0 : Math.max(0, Math.min(255, n))
}

// Eight colours [r, g, b] from the stored 24 values; missing ones are black.
function blocksFromList(list) {
    var out = []
    for (var i = 0; i < 8; ++i) {
        var c = []
        for (var j = 0; j < 3; ++j) {
            var k = 3 * i + j
            c.push(list && k < list.length ? channel(list[k]) : 0)
        }
        out.push(c)
    }
    return out
}

// The 24 values, R, G, B of each colour in order.
function listFromBlocks(blocks) {
    var out = []
    for (var i = 0; i < blocks.length; ++i)
        out.push(blocks[i][0], blocks[i][1], blocks[i][2])
    return out
}

function hex2(n) {
    return (n < 16 ? "0" : "") + n.toString(16)
}

// "#rrggbb", lowercase.
function toHex(rgb) {
    return "#" + hex2(rgb[0]) + hex2(rgb[1]) + hex2(rgb[2])
}
