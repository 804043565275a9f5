import QtQml

// PLACEHOLDER for the key table: the interface the scene uses, with no
// behaviour. The macro page replaces this file wholesale.
QtObject {
    property var names: []
    property var codes: []

    function keycodeTostr(code) { return "" }
    function strTokeycode(name) { return 0 }
    function setNames(list) {}
}
