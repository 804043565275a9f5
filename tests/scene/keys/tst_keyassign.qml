import QtQuick
import QtTest
import "qrc:/modules/qml/logic/keyassign.js" as KeyAssign
import "qrc:/modules/qml/basic"

// Assignment encodings and texts, without a window.
TestCase {
    name: "KeyAssign"

    KeyCodeString { id: keys }

    function text(codes, macros) {
        return KeyAssign.describe(codes, KeyAssign.defaultLabels, keys.keycodeTostr, function (slot) {
            return macros === undefined ? "" : macros[slot]
        })
    }
    function hex(codes) {
        return codes.map(function (c) { return (c < 16 ? "0" : "") + c.toString(16).toUpperCase() }).join("")
    }

    // Each fixed choice reads back as its own label, and the bytes are those
    // the device form is built from.
    function test_everyFixedChoiceShowsItsLabel() {
        compare(KeyAssign.choices.length, 38)
        for (var i = 0; i < KeyAssign.choices.length; ++i) {
            var c = KeyAssign.choices[i]
            compare(text(c.codes), KeyAssign.defaultLabels[c.label], hex(c.codes))
        }
        var byLabel = {}
        KeyAssign.choices.forEach(function (c) { byLabel[KeyAssign.defaultLabels[c.label]] = hex(c.codes) })
        compare(byLabel["Double Fire"], "00F01E02")
        compare(byLabel["Player"], "03008301")
        compare(byLabel["My PC"], "06009401")
        compare(byLabel["Max"], "06042C1B")
        compare(byLabel["Min"], "06042C11")
        compare(byLabel["Run"], "0600E315")
        compare(byLabel["Select All"], "0700E004")
        compare(byLabel["Sniper Key"], "05000400")
        compare(byLabel["Three Gun"], "08000300")
        compare(KeyAssign.choicesOf("gun").length, 3)
        compare(KeyAssign.choicesOf("mouse").length, 6)
    }

    function test_textByKind_data() {
        return [
            { tag: "left", codes: [0, 0, 0xF0, 0], want: "Left Key" },
            { tag: "other mouse code", codes: [0, 0, 0x42, 0], want: "Double Fire" },
            { tag: "fire", codes: [1, 0x04, 10, 0], want: "A" },
            { tag: "fire, unknown key", codes: [1, 0x99, 10, 0], want: "" },
            { tag: "combo bits in order", codes: [2, 0x83, 0x04, 0x05], want: "LCtrl+LShift+RWin+A+B" },
            { tag: "combo, unknown key", codes: [2, 0x01, 0x99, 0], want: "LCtrl+" },
            { tag: "media", codes: [3, 0, 0xE2, 0], want: "Mute" },
            { tag: "media unknown", codes: [3, 0, 0x01, 0x00], want: "" },
            { tag: "max without alt", codes: [6, 0, 0x2C, 0x1B], want: "Max" },
            { tag: "min with other mask", codes: [6, 0x40, 0x2C, 0x11], want: "Min" },
            { tag: "media codes under windows", codes: [6, 0, 0xE2, 0], want: "" },
            { tag: "shortcut", codes: [7, 0, 0xE0, 0x19], want: "Paste" },
            { tag: "macro", codes: [4, 1, 3, 0], want: "burst" },
            { tag: "macro slot empty", codes: [4, 0, 5, 0], want: "" },
            { tag: "dpi loop", codes: [5, 0, 3, 0], want: "DPI LOOP" },
            { tag: "dpi unknown", codes: [5, 0, 9, 0], want: "" },
            { tag: "gun", codes: [8, 0, 2, 0], want: "Two Gun" },
            { tag: "no function", codes: [0xFF, 0, 1, 0], want: "" },
            { tag: "missing entry", codes: KeyAssign.toCodes([]), want: "" },
            { tag: "stored as text", codes: KeyAssign.toCodes(["0", "0", "241", "0"]), want: "Right Key" }
        ]
    }
    function test_textByKind(row) {
        compare(text(row.codes, { 3: "burst" }), row.want)
    }

    function test_defaultsAndFlatList() {
        var d = KeyAssign.defaultEntries()
        compare(d.length, 16)
        compare(hex(d[7]), "00F01E02")
        compare(hex(d[14]), "FF000100")
        compare(hex(d[15]), "FF000200")
        d[3] = KeyAssign.toCodes([])
        d[4] = KeyAssign.toCodes(["5", "0", "2", "0"])
        var flat = KeyAssign.flatten(d)
        compare(flat.length, 64)
        compare(flat.slice(0, 4), [0, 0, 0xF0, 0])
        compare(flat.slice(12, 20), [0, 0, 0, 0, 5, 0, 2, 0])
        compare(flat.slice(56, 64), [255, 0, 1, 0, 255, 0, 2, 0])
    }

    function test_onlyLeftButton() {
        var d = KeyAssign.defaultEntries()
        compare(KeyAssign.onlyLeftButton(d), 0)
        d[0] = [0, 0, 0xF1, 0]
        compare(KeyAssign.onlyLeftButton(d), -1, "double click is not a plain left button")
        d[9] = [0, 0, 0xF0, 0]
        compare(KeyAssign.onlyLeftButton(d), 9)
        d[2] = [0, 0, 0xF0, 0]
        compare(KeyAssign.onlyLeftButton(d), -1)
        d[2] = [1, 0xF0, 10, 0]
        compare(KeyAssign.onlyLeftButton(d), 9, "a fire key on the left button is not a left button")
    }

    function test_comboCapture() {
        var s = KeyAssign.comboStart()
        s = KeyAssign.comboPress(s, 0xE1, "LShift")
        s = KeyAssign.comboPress(s, 0xE1, "LShift")
        s = KeyAssign.comboPress(s, 0x04, "A")
        s = KeyAssign.comboPress(s, 0xE0, "LCtrl")
        s = KeyAssign.comboPress(s, 0x05, "B")
        var full = s
        s = KeyAssign.comboPress(s, 0x06, "C")
        verify(s === full, "a third key leaves the capture as it was")
        compare(KeyAssign.comboText(s), "LShift + LShift + A + LCtrl + B")
        compare(KeyAssign.comboCodes(s), [2, 0x03, 0x04, 0x05])
        compare(KeyAssign.comboCodes(KeyAssign.comboPress(KeyAssign.comboStart(), 0xE7, "RWin")), [2, 0x80, 0, 0])
    }

    function test_rate() {
        compare(KeyAssign.rateOfPosition(3), 4)
        compare(KeyAssign.rateOfPosition(79), 80)
        compare(KeyAssign.rateOfPosition(200), 80)
        compare(KeyAssign.rateText(24), "24MS")
        compare(KeyAssign.rateOfText("10ms"), 10)
        compare(KeyAssign.rateOfText(KeyAssign.rateText(37)), 37)
        compare(KeyAssign.positionOfRate(KeyAssign.defaultRate), 9)
    }
}
