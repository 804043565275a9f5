import QtQuick
import QtTest
import "qrc:/modules/qml/logic/dpimath.js" as DpiMath
import "qrc:/modules/qml/logic/pointerspeed.js" as PointerSpeed
import "qrc:/modules/qml/logic/colorbar.js" as ColorBar
import "qrc:/modules/qml/logic/lighteffects.js" as Effects

// The panels' arithmetic, without a window.
TestCase {
    name: "PerfLogic"

    readonly property var defaults: DpiMath.limits(200, 6000, 50)

    function test_dpiPositions_data() {
        return [
            { tag: "1600, defaults", lim: [200, 6000, 50], value: 1600, position: 42, shown: 1600 },
            { tag: "6000 one past the drag range", lim: [200, 6000, 50], value: 6000, position: 162, shown: 6000 },
            { tag: "bottom", lim: [200, 6000, 50], value: 200, position: 4, shown: 200 },
            { tag: "shipped limits, 12000", lim: [200, 12000, 100], value: 12000, position: 162, shown: 12000 },
            { tag: "quantised: 1234 shows 1250", lim: [200, 6000, 50], value: 1234, position: 32, shown: 1250 },
            { tag: "above the top stays on the track", lim: [200, 6000, 50], value: 9000, position: 162, shown: 6000 },
            { tag: "below the bottom stays on the track", lim: [400, 3200, 100], value: 100, position: 3, shown: 400 },
            { tag: "text from the file", lim: ["200", "6000", "50"], value: "3000", position: 80, shown: 3000 },
        ]
    }
    function test_dpiPositions(data) {
        var lim = DpiMath.limits(data.lim[0], data.lim[1], data.lim[2])
        verify(lim.valid)
        compare(DpiMath.positionOf(data.value, lim), data.position)
        compare(DpiMath.dpiAt(data.position, lim), data.shown)
    }

    // Limits whose knob steps are coarser than the DPI step: loading and
    // saving again must not raise a stage that sits on a step.
    function test_coarseStepsDoNotDrift() {
        var lim = DpiMath.limits(200, 16000, 50)
        for (const v of [500, 1500, 12800, 16000]) {
            var stored = v
            for (var round = 0; round < 3; ++round)
                stored = DpiMath.dpiAt(DpiMath.positionOf(stored, lim), lim)
            compare(stored, v, "after three loads and saves of " + v)
        }
        compare(DpiMath.positionOf(1234, lim), 14) // off the steps: shown quantised
        compare(DpiMath.dpiAt(14, lim), 1300)
    }

    function test_unusableLimitsFallBack_data() {
        return [
            { tag: "missing", lim: ["", "", ""], valid: true },
            { tag: "words", lim: ["low", "high", "fifty"], valid: true },
            { tag: "top equals bottom", lim: [800, 800, 50], valid: false },
            { tag: "top below bottom", lim: [6000, 200, 50], valid: false },
            { tag: "no step", lim: [200, 6000, 0], valid: false },
        ]
    }
    function test_unusableLimitsFallBack(data) {
        var lim = DpiMath.limits(data.lim[0], data.lim[1], data.lim[2])
        compare(lim.valid, data.valid, "a refusal the page can report")
        compare([lim.minDPI, lim.maxDPI, lim.dpiBase], [200, 6000, 50])
        compare(DpiMath.dpiAt(DpiMath.positionOf(1600, lim), lim), 1600)
    }

    function test_storedStages() {
        compare(DpiMath.stageValues(["400", "800", "x", ""]), [400, 800, 1500, 2000, 3000, 4000, 5000, 6000])
        compare(DpiMath.stageValues([]), DpiMath.DEFAULT_VALUES)
        compare(DpiMath.stageCount("3", 4, 4), 3)
        compare(DpiMath.stageCount("5", 4, 4), 4)
        compare(DpiMath.stageCount("0", 8, 4), 4)
        compare(DpiMath.stageCount("", 8, 4), 4)
    }

    function test_speedIndex_data() {
        return [
            { tag: "leftmost", position: 3, index: 0 },
            { tag: "one right of it", position: 4, index: 1 },
            { tag: "last of index 1", position: 36, index: 1 },
            { tag: "first of index 2", position: 37, index: 2 },
            { tag: "middle", position: 171, index: 5 },
            { tag: "rightmost", position: 337, index: 10 },
            { tag: "stored text", position: "155", index: 5 },
        ]
    }
    function test_speedIndex(data) {
        compare(PointerSpeed.speedIndex(data.position), data.index)
    }

    // Arrow keys walk a slider value by value: up the whole track and back,
    // each press shows the next value a drag can show, none skipped; past
    // the last value a press only takes the knob to the end.
    function walk(first, last, neighbour, valueAt) {
        function pressAll(from, direction) {
            var p = from
            var seen = [valueAt(p)]
            for (var next = neighbour(p, direction); next !== p; next = neighbour(p, direction)) {
                p = next
                if (valueAt(p) !== seen[seen.length - 1])
                    seen.push(valueAt(p))
                else
                    compare(p, direction > 0 ? last : first, "a press that changes nothing ends at the end")
            }
            return { end: p, values: seen }
        }
        var all = []
        for (var q = first; q <= last; ++q) {
            if (all.indexOf(valueAt(q)) < 0)
                all.push(valueAt(q))
        }
        var up = pressAll(first, 1)
        compare(up.end, last)
        compare(up.values, all)
        var down = pressAll(last, -1)
        compare(down.end, first)
        compare(down.values, all.slice().reverse())
    }
    function test_arrowStepsDpi_data() {
        return [ { tag: "defaults", lim: [200, 6000, 50] }, { tag: "coarse", lim: [200, 16000, 50] },
                 { tag: "shipped", lim: [200, 12000, 100] } ]
    }
    function test_arrowStepsDpi(data) {
        var lim = DpiMath.limits(data.lim[0], data.lim[1], data.lim[2])
        walk(3, 161, function (p, d) { return DpiMath.neighbourPosition(p, d, lim) },
             function (p) { return DpiMath.dpiAt(p, lim) })
        compare(DpiMath.neighbourPosition(162, 1, lim), 161, "a stored value one past the drag range")
    }
    function test_arrowStepsPointerSpeed() {
        walk(3, 305, PointerSpeed.neighbourPosition, PointerSpeed.speedIndex)
        compare(PointerSpeed.neighbourPosition(150, 1), 172)
        compare(PointerSpeed.neighbourPosition(150, -1), 104)
    }

    function test_storedSystemValues() {
        compare(PointerSpeed.knobPosition("155"), 155)
        compare(PointerSpeed.knobPosition(""), 3)
        compare(PointerSpeed.knobPosition("900"), 337)
        compare(PointerSpeed.knobPosition(-4), 3)
        compare(PointerSpeed.scrollChoice("1000"), { oneScreen: true, rows: null })
        compare(PointerSpeed.scrollChoice("101"), { oneScreen: true, rows: null })
        compare(PointerSpeed.scrollChoice("100"), { oneScreen: false, rows: 100 })
        compare(PointerSpeed.scrollChoice("3"), { oneScreen: false, rows: 3 })
        compare(PointerSpeed.scrollChoice(""), { oneScreen: false, rows: 1 })
        compare(PointerSpeed.rowsOf("0"), 1)
        compare(PointerSpeed.rowsOf(""), 1)
        compare(PointerSpeed.rowsOf("42"), 42)
    }

    function test_colorAt_data() {
        return [
            { x: 0, rgb: [255, 0, 0] },
            { x: 29, rgb: [255, 246, 0] },
            { x: 59, rgb: [9, 255, 0] },
            { x: 119, rgb: [0, 9, 255] },
            { x: 179, rgb: [255, 0, 9] },
            { x: 182, rgb: [255, 0, 0] },
            { x: 183, rgb: [255, 255, 255] },
        ].map(function (row) { row.tag = "x " + row.x; return row })
    }
    function test_colorAt(data) {
        compare(ColorBar.colorAt(data.x), data.rgb)
    }

    function test_positionOfColour_data() {
        // e = 30.5 / 256; each row names the test of the chain that matches
        return [
            { tag: "red (R 255, B 0)", rgb: [255, 0, 0], x: 0 },
            { tag: "orange (R 255, B 0)", rgb: [255, 128, 0], x: 15 },
            { tag: "yellow (R 255, B 0)", rgb: [255, 255, 0], x: 30 },
            { tag: "green (G 255, B 0)", rgb: [0, 255, 0], x: 60 },
            { tag: "cyan (R 0, B 255)", rgb: [0, 255, 255], x: 91 },
            { tag: "blue (R 0, B 255)", rgb: [0, 0, 255], x: 121 },
            { tag: "violet (G 0, B 255)", rgb: [128, 0, 255], x: 137 },
            { tag: "magenta (G 0, B 255)", rgb: [255, 0, 255], x: 152 },
            { tag: "spring green (R 0, G 255)", rgb: [0, 255, 128], x: 76 },
            { tag: "rose (R 255, G 0)", rgb: [255, 0, 128], x: 167 },
            { tag: "white at the right end", rgb: [255, 255, 255], x: 183 },
            { tag: "a mix at the left end", rgb: [120, 200, 40], x: 0 },
        ]
    }
    function test_positionOfColour(data) {
        compare(ColorBar.positionOf(data.rgb), data.x)
    }

    function test_storedColours() {
        var blocks = ColorBar.blocksFromList(["255", "0", "16", 300, -2, "x"])
        compare(blocks[0], [255, 0, 16])
        compare(blocks[1], [255, 0, 0])
        compare(blocks[7], [0, 0, 0])
        compare(ColorBar.listFromBlocks(blocks).length, 24)
        compare(ColorBar.toHex([255, 10, 0]), "#ff0a00")
    }

    function test_effectLists_data() {
        return [
            { tag: "neither flag", colorful: false, b55328: false, texts: [1, 2, 3, 4], loop: -1 },
            { tag: "full colour", colorful: true, b55328: false, texts: [1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14], loop: -1 },
            { tag: "55328", colorful: false, b55328: true, texts: [1, 2, 3, 4, 15], loop: 4 },
            { tag: "both", colorful: true, b55328: true, texts: [1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15], loop: 11 },
        ]
    }
    function test_effectLists(data) {
        compare(Effects.textIndexes(data.colorful, data.b55328), data.texts)
        compare(Effects.breathLoopRow(data.colorful, data.b55328), data.loop)
    }

    function test_rowTraits_data() {
        // [speed shown, brightness shown, speed reset, brightness reset, colours usable, height]
        return [
            { tag: "Static", row: 0, flags: [true, false], t: [false, true, -1, 4, true, 224] },
            { tag: "Breath", row: 1, flags: [true, false], t: [true, false, 0, -1, true, 224] },
            { tag: "Neon", row: 2, flags: [true, false], t: [true, false, 0, -1, false, 224] },
            { tag: "OFF", row: 3, flags: [false, false], t: [false, false, -1, 0, false, 176] },
            { tag: "Twinkling", row: 4, flags: [true, false], t: [false, true, -1, 4, true, 224] },
            { tag: "Breath Loop, 55328", row: 4, flags: [false, true], t: [true, false, 0, -1, true, 224] },
            { tag: "Wave", row: 5, flags: [true, false], t: [true, true, 0, 4, false, 264] },
            { tag: "Gliding", row: 6, flags: [true, false], t: [false, false, 0, 4, false, 176] },
            { tag: "Finger Moving", row: 7, flags: [true, false], t: [false, true, -1, 4, false, 224] },
            { tag: "Vertical Flipping", row: 8, flags: [true, false], t: [true, true, 0, 4, false, 264] },
            { tag: "YO-YO", row: 9, flags: [true, false], t: [true, true, 0, 4, true, 264] },
            { tag: "Spotlight", row: 10, flags: [true, false], t: [true, true, 0, 4, true, 264] },
            { tag: "both flags: Twinkling keeps its row", row: 4, flags: [true, true], t: [false, true, -1, 4, true, 224] },
            { tag: "both flags: Breath Loop at 11", row: 11, flags: [true, true], t: [true, false, 0, -1, true, 224] },
            { tag: "row not offered", row: 5, flags: [false, false], t: [false, false, -1, -1, false, 176] },
        ]
    }
    function test_rowTraits(data) {
        var r = Effects.rowTraits(data.row, data.flags[0], data.flags[1])
        compare([r.speed, r.brightness, r.resetSpeed, r.resetBrightness, r.colours, Effects.panelHeight(r)], data.t)
    }

    function test_blockVisibility_data() {
        // blocks 1 .. 8 shown
        return [
            { tag: "4 stages", row: 0, dpi: 4, flags: [false, false], shown: [1, 1, 1, 1, 0, 0, 0, 0] },
            { tag: "full colour shows all", row: 0, dpi: 2, flags: [true, false], shown: [1, 1, 1, 1, 1, 1, 1, 1] },
            { tag: "55328, Static", row: 0, dpi: 8, flags: [false, true], shown: [1, 0, 0, 0, 0, 0, 0, 0] },
            { tag: "55328, Breath Loop", row: 4, dpi: 8, flags: [false, true], shown: [1, 1, 1, 1, 1, 1, 1, 0] },
            { tag: "both, Twinkling", row: 4, dpi: 8, flags: [true, true], shown: [1, 0, 0, 0, 0, 0, 0, 0] },
            { tag: "both, Breath Loop", row: 11, dpi: 8, flags: [true, true], shown: [1, 1, 1, 1, 1, 1, 1, 0] },
        ]
    }
    function test_blockVisibility(data) {
        var shown = []
        for (var b = 1; b <= 8; ++b)
            shown.push(Effects.blockVisible(b, data.row, data.dpi, data.flags[0], data.flags[1]) ? 1 : 0)
        compare(shown, data.shown)
    }

    function test_steps() {
        compare([0, 1, 2, 3, 4].map(Effects.percent), ["0%", "25%", "50%", "75%", "100%"])
        compare(Effects.step("3"), 3)
        compare(Effects.step(""), 0)
        compare(Effects.step(9), 4)
    }
}
