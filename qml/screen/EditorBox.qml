import QtQuick
import "../basic"

// "Editor" box of the left column: the macro editor entry and, on a mouse
// with gun functions, the gun editor entry.
Rectangle {
    id: box

    property bool isGun: true
    property string title: "Editor"
    property string macroText: "Macro Editor"
    property string gunText: "Gun Editor"

    signal macroEditorClicked()
    signal gunEditorClicked()

    width: 232
    height: isGun ? 100 : 76
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    ThemedText {
        x: 8
        y: 8
        text: box.title
    }
    Column {
        x: 8
        y: 36
        spacing: 8
        EditorEntry {
            objectName: "macroEditorEntry"
            textValue: box.macroText
            onClicked: box.macroEditorClicked()
        }
        EditorEntry {
            objectName: "gunEditorEntry"
            visible: box.isGun
            textValue: box.gunText
            onClicked: box.gunEditorClicked()
        }
    }
}
