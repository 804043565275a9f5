import QtQuick
import "qrc:/modules/qml/pages"

// The editor as main places it: in a 1024 x 640 window, its rename handled
// the way main handles it, the recording clock advanced by hand.
Item {
    id: scene

    property alias editor: editor
    property alias files: files
    property alias clock: clock

    // Fresh doubles and files; `names` is the stored macro list.
    function start(names) {
        callLog.clear()
        ui_View.reset()
        files.reset(ui_View)
        if (names !== undefined)
            ui_View.nameLists[0] = names
        editor.recordTimer = clock
        editor.close()
        part("delayBox").isSelect = true
        part("timesField").textValue = "1"
        editor.init()
        editor.open()
        editor.x = 192
        editor.y = 96
    }
    function part(name) {
        return findIn(editor, name)
    }
    function findIn(item, name) {
        if (item.objectName === name)
            return item
        var kids = item.children
        for (var i = 0; i < kids.length; ++i) {
            var found = findIn(kids[i], name)
            if (found)
                return found
        }
        return null
    }
    function tick(n) {
        for (var i = 0; i < n; ++i)
            clock.triggered()
    }
    function actionTexts() {
        return editor.actions.texts()
    }

    width: 1024
    height: 640

    MacroFiles { id: files }
    Timer {
        id: clock
        interval: 3600000   // never fires by itself
        repeat: true
    }
    MacroEditor {
        id: editor
        onModifyMacroName: function (oldName, newName) {
            ui_View.modifyMacroNameUpdateProfile(oldName, newName)
        }
    }
}
