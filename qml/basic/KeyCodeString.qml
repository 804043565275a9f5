import QtQml
import "../logic/keytable.js" as KeyTable

// The key table the pages share: one instance in the scene, names replaced
// at start-up by the language's "keyCode" section.
QtObject {
    readonly property var codes: KeyTable.codes.slice()
    property var names: KeyTable.names.slice()

    // Returns whether the list was taken; a list that does not give every
    // entry keeps the current names (see KeyTable.isCompleteNameList).
    function setNames(list) {
        if (!KeyTable.isCompleteNameList(list)) {
            console.warn("key table: ignored a name list of", list ? list.length : 0,
                         "entries, expected", KeyTable.entryCount)
            return false
        }
        var copy = []
        for (var i = 0; i < list.length; ++i)
            copy.push(String(list[i]))
        names = copy
        return true
    }
    function keycodeTostr(code) {
        return KeyTable.nameOf(code, names)
    }
    function strTokeycode(name) {
        return KeyTable.codeOf(name, names)
    }
}
