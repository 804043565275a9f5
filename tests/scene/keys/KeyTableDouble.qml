import QtQml

// The few key names the key-page tests need, with the key table's interface
// (keycodeTostr gives "" for a code it does not know).
QtObject {
    property var table: ({
        0x04: "A", 0x05: "B", 0x06: "C", 0x1E: "1", 0x2C: "Space",
        0xE0: "LCtrl", 0xE1: "LShift", 0xE2: "LAlt", 0xE3: "LWin",
        0xE4: "RCtrl", 0xE5: "RShift", 0xE6: "RAlt", 0xE7: "RWin"
    })
    function keycodeTostr(code) {
        var name = table[Number(code)]
        return name === undefined ? "" : name
    }
}
