import QtQml

// Recording double of the key table.
QtObject {
    property var names: []
    property var codes: []

    function keycodeTostr(code) { return "" }
    function strTokeycode(name) { return 0 }
    function setNames(list) { callLog.add("keyCodeString", "setNames", arguments) }
}
