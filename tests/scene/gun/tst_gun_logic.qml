import QtQuick
import QtTest
import "qrc:/modules/qml/logic/gunmath.js" as GunMath
import "qrc:/modules/qml/logic/profilenames.js" as Names

// The gun editor's and the profile list's rules, without a window.
TestCase {
    name: "GunLogic"

    function test_dotAndY_data() {
        return [
            { tag: "top", y: 0, dot: 89 },
            { tag: "bottom", y: 64, dot: 183 },
            { tag: "factory 5", y: 5, dot: 89 + 94 * 5 / 64 },
            { tag: "text from the file", y: "8", dot: 89 + 94 * 8 / 64 },
            { tag: "above 64 stays at the bottom", y: 200, dot: 183 },
            { tag: "negative stays at the top", y: -3, dot: 89 },
            { tag: "not a number", y: "x", dot: 89 },
        ]
    }
    function test_dotAndY(data) {
        compare(GunMath.dotOfY(data.y), data.dot)
    }

    function test_dotToY_data() {
        return [
            { tag: "just below the top", dot: 90, y: 0 },
            { tag: "one step", dot: 90.5, y: 1 },
            { tag: "floors", dot: 182, y: 63 },
            { tag: "above the track", dot: 10, y: 0 },
            { tag: "below the track", dot: 300, y: 64 },
        ]
    }
    function test_dotToY(data) {
        compare(GunMath.yOfDot(data.dot), data.y)
    }

    function test_yRoundTripsThroughTheDot() {
        for (var y = 0; y <= 64; ++y)
            compare(GunMath.yOfDot(GunMath.dotOfY(y)), y, "Y " + y)
    }

    function test_rateKnob_data() {
        return [
            { tag: "10 ms", period: "10", knob: 9, label: "10MS" },
            { tag: "shortest", period: 4, knob: 3, label: "4MS" },
            { tag: "longest", period: 90, knob: 89, label: "90MS" },
            { tag: "below the track", period: "1", knob: 3, label: "4MS" },
            { tag: "above the track", period: "200", knob: 89, label: "90MS" },
            { tag: "empty", period: "", knob: 9, label: "10MS" },
        ]
    }
    function test_rateKnob(data) {
        var knob = GunMath.knobOfPeriod(data.period)
        compare(knob, data.knob)
        compare(GunMath.rateLabel(GunMath.periodOfKnob(knob)), data.label)
        compare(GunMath.periodOfLabel(data.label), GunMath.periodOfKnob(knob))
    }

    function test_labelsAndTimes() {
        compare(GunMath.periodOfLabel("37MS"), 37)
        compare(GunMath.periodOfLabel("10ms"), 10, "the initial text names 10 ms too")
        verify(GunMath.isEndless("0"))
        verify(GunMath.isEndless(0))
        verify(!GunMath.isEndless("5"))
        verify(!GunMath.isEndless(""))
        compare(GunMath.slotValues({ times: "5", x: "0", y: "64" }), [5, 0, 64])
        compare(GunMath.slotValues({ times: "", x: "a", y: "7" }), [0, 0, 7])
    }

    function test_records() {
        var builtIn = { name: "M416", key: "L-Click", period: "10", x: "0", y: "10", times: "0", picture: "M416.png" }
        compare(GunMath.record(builtIn), ["M416", "L-Click", "10", "0", "10", "0"])
        var read = GunMath.fromRecord(builtIn, ["M4", "R-Click", 12, 1, 20, 3])
        compare(GunMath.record(read), ["M4", "R-Click", "12", "1", "20", "3"])
        compare(read.picture, "M416.png")
        compare(GunMath.fromRecord(builtIn, []), null, "a missing gun keeps its built-in values")
        compare(GunMath.fromRecord(builtIn, ["M4", "L-Click", "10"]), null)
    }

    function test_slots_data() {
        return [
            { tag: "stored text", stored: ["3", "4", "5"], slots: [3, 4, 5] },
            { tag: "absent", stored: "", slots: [0, 1, 2] },
            { tag: "a row that is not a gun", stored: ["9", "1", "-1"], slots: [0, 1, 2] },
            { tag: "short list", stored: ["5", "5"], slots: [5, 5, 2] },
        ]
    }
    function test_slots(data) {
        compare(GunMath.slotsOf(data.stored, 6), data.slots)
    }

    function test_parseNameList_data() {
        return [
            { tag: "two ending in the filler", stored: ["Standard0", "loaderplumex"], names: ["Standard"], numbers: [0] },
            { tag: "filler only trimmed for two", stored: ["a0", "b1", "loaderplumex"], names: ["a", "b"], numbers: [0, 1] },
            { tag: "names ending in digits", stored: ["Standard0", "profile_12", "x53"], names: ["Standard", "profile_1", "x5"], numbers: [0, 2, 3] },
            { tag: "a single text", stored: "Standard0", names: ["Standard"], numbers: [0] },
            { tag: "no digit or a repeated number", stored: ["a0", "b", "c0", "d9", "e4"], names: ["a", "e"], numbers: [0, 4] },
            { tag: "empty", stored: [], names: [], numbers: [] },
        ]
    }
    function test_parseNameList(data) {
        var entries = Names.parse(data.stored)
        compare(entries.map(function (e) { return e.name }), data.names)
        compare(entries.map(function (e) { return e.number }), data.numbers)
    }

    function entries(list) {
        return list.map(function (pair) { return { name: pair[0], number: pair[1] } })
    }

    function test_newNameAndNumber() {
        var rows = entries([["Standard", 0], ["profile_0", 1], ["profile_2", 3]])
        compare(Names.newName(rows), "profile_1")
        compare(Names.newNumber(rows), 2)
        compare(Names.encode(rows), ["Standard0", "profile_01", "profile_23"])
        verify(Names.canAdd(rows))
        var full = entries([["a", 0], ["b", 5], ["c", 2], ["d", 3], ["e", 4], ["f", 1]])
        compare(Names.newNumber(full), -1)
        verify(!Names.canAdd(full), "no seventh profile")
    }

    function test_deleteAndRename() {
        var rows = entries([["Standard", 0], ["a", 2], ["b", 1]])
        verify(!Names.canDelete(rows, 0, 2), "row 0")
        verify(!Names.canDelete(rows, 1, 2), "the active profile's row")
        verify(Names.canDelete(rows, 2, 2))
        verify(!Names.canDelete(rows, 3, 2), "no such row")
        verify(!Names.canRename(rows, "a"))
        verify(Names.canRename(rows, "A"))
        verify(!Names.canRename(rows, "  "))
        compare(Names.rowOfNumber(rows, 1), 2)
        compare(Names.rowOfNumber(rows, 4), -1)
    }
}
