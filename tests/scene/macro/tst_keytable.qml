import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

// The shared key table: codes and names as the device and the macro files
// know them, first match winning both ways, names replaced by a language.
TestCase {
    name: "KeyTable"

    KeyCodeString { id: table }

    // Written out here, not taken from the table: usage IDs by hand.
    readonly property var spotChecks: [
        [0x04, "A"], [0x1D, "Z"], [0x1E, "1"], [0x27, "0"], [0x28, "Enter"],
        [0x2C, "Space"], [0x31, "\\"], [0x33, ";"], [0x39, "Caps"], [0x3A, "F1"],
        [0x45, "F12"], [0x4F, "►"], [0x52, "▲"], [0x58, "KPEnter"], [0x62, "KP0"],
        [0x63, "KP."], [0x67, "KP="], [0x68, "F13"], [0x73, "F24"], [0x85, "Keypad"],
        [0x87, "Intl1"], [0x8B, "Intl5"], [0x90, "Lang1"], [0x91, "Lang2"],
        [0xE0, "LCtrl"], [0xE3, "LWin"], [0xE7, "RWin"], [0xF0, "MS-L"],
        [0xF1, "MS-R"], [0xF2, "MS-M"], [0xF3, "MS-B4"], [0xF4, "MS-B5"]
    ]

    function cleanup() {
        // back to the built-in names for the next case
        table.setNames(englishNames())
    }
    function englishNames() {
        var fresh = Qt.createQmlObject('import "qrc:/modules/qml/basic"; KeyCodeString {}', table)
        var list = fresh.names
        fresh.destroy()
        return list
    }

    function test_layout() {
        compare(table.codes.length, 133)
        compare(table.names.length, 133)
        compare(table.codes.slice(0, 112).every(function (c, i) { return c === 0x04 + i }), true)
        compare(table.codes.slice(112), [0x85, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x90, 0x91,
                                         0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7,
                                         0xF0, 0xF1, 0xF2, 0xF3, 0xF4])
        for (var i = 0; i < spotChecks.length; ++i) {
            compare(table.keycodeTostr(spotChecks[i][0]), spotChecks[i][1], "code " + spotChecks[i][0])
            compare(table.strTokeycode(spotChecks[i][1]), spotChecks[i][0], spotChecks[i][1])
        }
    }

    function test_everyCodeRoundTrips() {
        for (var i = 0; i < table.codes.length; ++i) {
            var code = table.codes[i]
            var back = table.strTokeycode(table.keycodeTostr(code))
            // the second of a doubled name maps to the first
            var expected = code === 0x32 ? 0x31 : code === 0x89 ? 0x88 : code
            compare(back, expected, "code " + code.toString(16))
        }
    }

    function test_unknown() {
        compare(table.keycodeTostr(0x74), "")
        compare(table.keycodeTostr(0), "")
        compare(table.keycodeTostr(0xF5), "")
        compare(table.keycodeTostr(undefined), "")
        compare(table.strTokeycode("Nope"), 0)
        compare(table.strTokeycode(""), 0)
        compare(table.strTokeycode("a"), 0)   // names are matched exactly
    }

    function test_codesReadFromSettingsAsText() {
        compare(table.keycodeTostr("4"), "A")
        compare(table.keycodeTostr("240"), "MS-L")
    }

    function test_namesReplacedByLanguage() {
        var translated = table.names.slice()
        translated[0] = "Ä"
        translated[36] = "Eingabe"
        compare(table.setNames(translated), true)
        compare(table.keycodeTostr(0x04), "Ä")
        compare(table.strTokeycode("Eingabe"), 0x28)
        compare(table.strTokeycode("A"), 0)
        compare(table.strTokeycode("Enter"), 0)
    }

    function test_incompleteNameListKeepsNames() {
        ignoreWarning(/key table: ignored a name list of 132 entries/)
        compare(table.setNames(table.names.slice(1)), false)
        ignoreWarning(/key table: ignored a name list of 0 entries/)
        compare(table.setNames([]), false)
        compare(table.keycodeTostr(0x04), "A")
        compare(table.keycodeTostr(0xF4), "MS-B5")
    }
}
