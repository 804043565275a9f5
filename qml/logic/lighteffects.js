.pragma library

// The lighting effects. The effect code stored and sent is the row in the
// list the panel offers, which depends on the device: four basic rows,
// seven more on a full-colour device, then "Breath Loop" on a device of the
// 55328 kind. Texts are indexes into the panel's language list.

var BASIC_TEXTS = [1, 2, 3, 4]                   // Static, Breath, Neon, OFF
var COLORFUL_TEXTS = [8, 9, 10, 11, 12, 13, 14]  // Twinkling .. Spotlight
var BREATH_LOOP_TEXT = 15
var STATIC = 0
var OFF = 3

// Per row: the sliders it shows, the steps they get when the row is chosen
// (-1: unchanged) and whether the colours mean anything for it.
var ROWS = [
    { speed: false, brightness: true,  resetSpeed: -1, resetBrightness: 4,  colours: true },  // Static
    { speed: true,  brightness: false, resetSpeed: 0,  resetBrightness: -1, colours: true },  // Breath
    { speed: true,  brightness: false, resetSpeed: 0,  resetBrightness: -1, colours: false }, // Neon
    { speed: false, brightness: false, resetSpeed: -1, resetBrightness: 0,  colours: false }, // OFF
    { speed: false, brightness: true,  resetSpeed: -1, resetBrightness: 4,  colours: true },  // Twinkling
    { speed: true,  brightness: true,  resetSpeed: 0,  resetBrightness: 4,  colours: false }, // Wave
    { speed: false, brightness: false, resetSpeed: 0,  resetBrightness: 4,  colours: false }, // Gliding
    { speed: false, brightness: true,  resetSpeed: -1, resetBrightness: 4,  colours: false }, // Finger Moving
    { speed: true,  brightness: true,  resetSpeed: 0,  resetBrightness: 4,  colours: false }, // Vertical Flipping
    { speed: true,  brightness: true,  resetSpeed: 0,  resetBrightness: 4,  colours: true },  // YO-YO
    { speed: true,  brightness: true,  resetSpeed: 0,  resetBrightness: 4,  colours: true },  // Spotlight
]
var BREATH_LOOP = { speed: true, brightness: false, resetSpeed: 0, resetBrightness: -1, colours: true }
var NOTHING = { speed: false, brightness: false, resetSpeed: -1, resetBrightness: -1, colours: false }

// Language indexes of the rows a device offers, in row order.
function textIndexes(isColorful, is55328) {
    var out = BASIC_TEXTS.slice()
    if (isColorful)
        out = out.concat(COLORFUL_TEXTS)
    if (is55328)
        out.push(BREATH_LOOP_TEXT)
    return out
}

// Row of "Breath Loop", or -1 on a device without it.
function breathLoopRow(isColorful, is55328) {
    if (!is55328)
        return -1
    return isColorful ? BASIC_TEXTS.length + COLORFUL_TEXTS.length : BASIC_TEXTS.length
}

// What a row shows and resets. A row the device does not offer shows
// nothing and offers no colours.
function rowTraits(row, isColorful, is55328) {
    if (row === breathLoopRow(isColorful, is55328))
        return BREATH_LOOP
    var rows = isColorful ? ROWS.length : BASIC_TEXTS.length
    return row >= 0 && row < rows ? ROWS[row] : NOTHING
}

// Panel height for the sliders shown.
function panelHeight(traits) {
    if (traits.speed && traits.brightness)
        return 264
    return traits.speed || traits.brightness ? 224 : 176
}

// Whether colour block `block` (1 .. 8) is shown.
function blockVisible(block, row, dpiCount, isColorful, is55328) {
    var byStages = dpiCount >= block || isColorful
    if (!is55328 || block === 1)
        return byStages
    if (block === 8)
        return false
    return row === breathLoopRow(isColorful, is55328)
}

// The eighth colour lights only "Breath Loop" on a 55328 device; for every
// other effect it goes out as black.
function sentColours(list, row, isColorful, is55328) {
    var out = list.slice()
    if (is55328 && row !== breathLoopRow(isColorful, is55328))
        out[21] = out[22] = out[23] = 0
    return out
}

// Text of a five-step slider's field.
function percent(step) {
    return (step * 25) + "%"
}

// A stored step, held within 0 .. 4.
function step(value) {
    var n = Math.floor(Number(value))
    return value === "" || !isFinite(n) ? 0 : Math.max(0, Math.min(4, n))
}
