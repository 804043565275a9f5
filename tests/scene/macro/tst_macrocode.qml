import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/logic/macrocode.js" as MacroCode

// The macro payload on worked examples. Every expected payload is written
// by hand from the byte format: repeat count high/low, [timing, code] per
// key or mouse action (0x80 for a release, pause after it in 10 ms units,
// 0 written as 1), extension records [0, unit] [count high, low] from 127
// units on, terminator 0 0. Key A is 0x04, left/right/middle 0xF0/F1/F2.
TestCase {
    name: "MacroCode"

    KeyCodeString { id: keys }

    function codeOf(name) {
        return keys.strTokeycode(name)
    }
    // "1,A" style steps as the macro files hold them.
    function steps(texts) {
        return texts.map(MacroCode.parseAction)
    }
    // n delays of the largest single value, then `rest` ms.
    function longDelays(n, rest) {
        var out = []
        for (var i = 0; i < n; ++i)
            out.push("0,65535")
        if (rest > 0)
            out.push("0," + rest)
        return out
    }

    function test_workedExamples_data() {
        return [
            { tag: "press and release, no delay", repeat: 1,
              steps: ["1,A", "2,A"],
              bytes: [0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "50 ms delay", repeat: 1,
              steps: ["1,A", "0,50", "2,A"],
              bytes: [0x00, 0x01, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "2000 ms delay: 200 units, 100 in 20 ms units", repeat: 1,
              steps: ["1,A", "0,2000", "2,A"],
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x01, 0x00, 0x64, 0x81, 0x04, 0x00, 0x00] },
            { tag: "126 units stay in the timing byte", repeat: 1,
              steps: ["1,A", "0,1260", "2,A"],
              bytes: [0x00, 0x01, 0x7E, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "127 units need extension records", repeat: 1,
              steps: ["1,A", "0,1270", "2,A"],
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x01, 0x00, 0x3F, 0x81, 0x04, 0x00, 0x00] },
            { tag: "pause after a release", repeat: 1,
              steps: ["1,A", "2,A", "0,2000", "1,A", "2,A"],
              bytes: [0x00, 0x01, 0x01, 0x04, 0x80, 0x04, 0x00, 0x01, 0x00, 0x64,
                      0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "leading and trailing delays dropped", repeat: 1,
              steps: ["0,300", "1,A", "0,40", "2,A", "0,900", "0,5000"],
              bytes: [0x00, 0x01, 0x04, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "fractions of 10 ms dropped from the sum", repeat: 1,
              steps: ["1,A", "0,55", "0,56", "2,A", "0,9", "1,A"],
              bytes: [0x00, 0x01, 0x0B, 0x04, 0x81, 0x04, 0x01, 0x04, 0x00, 0x00] },
            { tag: "mouse buttons", repeat: 1,
              steps: ["3,MS-L", "0,20", "4,MS-L", "3,MS-M", "4,MS-M", "3,MS-R", "4,MS-R"],
              bytes: [0x00, 0x01, 0x02, 0xF0, 0x81, 0xF0, 0x01, 0xF2, 0x81, 0xF2,
                      0x01, 0xF1, 0x81, 0xF1, 0x00, 0x00] },
            { tag: "unknown key name gives code 0", repeat: 1,
              steps: ["1,Nope", "2,Nope"],
              bytes: [0x00, 0x01, 0x01, 0x00, 0x81, 0x00, 0x00, 0x00] },
            { tag: "repeat count 65535", repeat: 65535,
              steps: ["1,B", "2,B"],
              bytes: [0xFF, 0xFF, 0x01, 0x05, 0x81, 0x05, 0x00, 0x00] },
            { tag: "repeat count 258 as stored text", repeat: "258",
              steps: ["1,B", "2,B"],
              bytes: [0x01, 0x02, 0x01, 0x05, 0x81, 0x05, 0x00, 0x00] },
            { tag: "repeat count above 65535 held at 65535", repeat: 70000,
              steps: ["1,B"],
              bytes: [0xFF, 0xFF, 0x01, 0x05, 0x00, 0x00] },
            { tag: "unreadable repeat count is 1", repeat: "x",
              steps: ["1,B"],
              bytes: [0x00, 0x01, 0x01, 0x05, 0x00, 0x00] },
            { tag: "a single action: its record and the terminator", repeat: 1,
              steps: ["0,500", "1,Space", "0,50"],
              bytes: [0x00, 0x01, 0x01, 0x2C, 0x00, 0x00] },
            { tag: "only delays", repeat: 1,
              steps: ["0,50", "0,2000"],
              bytes: [0x00, 0x01] },
            { tag: "empty", repeat: 2,
              steps: [],
              bytes: [0x00, 0x02] },
            { tag: "steps of an unknown type are skipped", repeat: 1,
              steps: ["9,A", "1,A", "x", "2,A"],
              bytes: [0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
            { tag: "unreadable delay counts as none", repeat: 1,
              steps: ["1,A", "0,abc", "0,-20", "2,A"],
              bytes: [0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
            // 999990 ms = 99999 units: still 20 ms units, 49999 = 0xC34F
            { tag: "99999 units in 20 ms units", repeat: 1,
              steps: ["1,A"].concat(longDelays(15, 16965)).concat(["2,A"]),
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x01, 0xC3, 0x4F, 0x81, 0x04, 0x00, 0x00] },
            // 1000000 ms = 100000 units: 50 ms units, 20000 = 0x4E20
            { tag: "100000 units in 50 ms units", repeat: 1,
              steps: ["1,A"].concat(longDelays(15, 16975)).concat(["2,A"]),
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x4E, 0x20, 0x81, 0x04, 0x00, 0x00] },
            // 46 x 65535 ms = 301461 units: 100 ms units, 30146 = 0x75C2
            { tag: "301461 units in 100 ms units", repeat: 1,
              steps: ["1,A"].concat(longDelays(46, 0)).concat(["2,A"]),
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x03, 0x75, 0xC2, 0x81, 0x04, 0x00, 0x00] },
            // 92 x 65535 ms = 602922 units: held at 599999, 59999 = 0xEA5F
            { tag: "600000 units or more held at the largest pause", repeat: 1,
              steps: ["1,A"].concat(longDelays(92, 0)).concat(["2,A"]),
              bytes: [0x00, 0x01, 0x00, 0x04, 0x00, 0x03, 0xEA, 0x5F, 0x81, 0x04, 0x00, 0x00] },
        ]
    }
    function test_workedExamples(data) {
        var actions = steps(data.steps)
        compare(MacroCode.deCode(actions, data.repeat, codeOf), data.bytes)
        compare(MacroCode.encodedLength(actions), data.bytes.length)
    }

    // The device block holds 128 bytes: 62 actions without long pauses.
    function test_lengthAtTheBlockLimit() {
        var texts = []
        for (var i = 0; i < 31; ++i)
            texts.push("1,Z", "2,Z")
        var payload = MacroCode.deCode(steps(texts), 1, codeOf)
        compare(payload.length, 128)
        compare(MacroCode.encodedLength(steps(texts)), 128)
        compare(payload.slice(0, 6), [0x00, 0x01, 0x01, 0x1D, 0x81, 0x1D])
        compare(payload.slice(-4), [0x81, 0x1D, 0x00, 0x00])
        texts.pop()
        compare(MacroCode.encodedLength(steps(texts)), 126)
        texts.push("0,1270", "2,Z")
        compare(MacroCode.encodedLength(steps(texts)), 132)
    }

    function test_takesAListModel() {
        var model = Qt.createQmlObject("import QtQuick; ListModel {}", this)
        model.append({ type: 1, info: "A" })
        model.append({ type: 0, info: "50" })
        model.append({ type: 2, info: "A" })
        compare(MacroCode.deCode(model, 1, codeOf), [0x00, 0x01, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00])
        compare(MacroCode.encodedLength(model), 8)
        model.destroy()
    }

    function test_actionText() {
        compare(MacroCode.parseAction("1,A"), { type: 1, info: "A" })
        compare(MacroCode.parseAction("0,1270"), { type: 0, info: "1270" })
        compare(MacroCode.parseAction("2,,"), { type: 2, info: "," })   // the key ","
        compare(MacroCode.parseAction("1,"), { type: 1, info: "" })
        compare(MacroCode.parseAction(""), { type: -1, info: "" })
        compare(MacroCode.actionText({ type: 4, info: "MS-B5" }), "4,MS-B5")
        compare(MacroCode.eventType(true, 0x04), 1)
        compare(MacroCode.eventType(false, 0xEF), 2)
        compare(MacroCode.eventType(true, 0xF0), 3)
        compare(MacroCode.eventType(false, 0xF4), 4)
    }
}
