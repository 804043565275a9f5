import QtQuick
import "../../basic"
import "../../logic/macrocode.js" as MacroCode

// One action of the current macro: its number from 0, its type picture and
// its key name, or a delay in ms that a double click edits in place.
Rectangle {
    id: row

    required property int index
    required property int type
    required property string info
    property bool isCurrent: false
    property bool isEditing: false
    property alias field: field

    signal clicked(int index)
    signal doubleClicked(int index)
    signal editFinished(int index, string text)

    readonly property var pictures: ["delay.png", "keyDown.png", "keyUp.png", "mouseDown.png", "mouseUp.png"]
    // Spoken with the row: the picture says it on screen.
    readonly property var typeWords: ["delay", "key press", "key release", "mouse press", "mouse release"]
    readonly property string shownText: type === MacroCode.Delay ? info + " ms" : info

    width: ListView.view ? ListView.view.width : 422
    height: 27
    color: isCurrent ? Theme.colorOrange : "transparent"

    Accessible.role: Accessible.ListItem
    Accessible.name: index + " " + (typeWords[type] || "") + " " + shownText
    Accessible.selected: isCurrent
    Accessible.onPressAction: clicked(index)

    ThemedText {
        x: 8
        width: 32
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignRight
        color: row.isCurrent ? Theme.fontColor : Theme.colorGray2
        text: row.index
    }
    Image {
        x: 56
        anchors.verticalCenter: parent.verticalCenter
        visible: source !== ""
        source: row.pictures[row.type] ? Theme.skinImage("macros", row.pictures[row.type]) : ""
    }
    ThemedText {
        x: 88
        width: parent.width - x - 8
        anchors.verticalCenter: parent.verticalCenter
        visible: !row.isEditing
        elide: Text.ElideRight
        text: row.shownText
    }
    MouseArea {
        anchors.fill: parent
        onClicked: row.clicked(row.index)
        onDoubleClicked: row.doubleClicked(row.index)
    }
    InlineField {
        id: field
        x: 80
        width: 120
        height: parent.height
        visible: row.isEditing
        initialText: row.info
        validator: IntValidator { bottom: 0; top: MacroCode.MaxDelayMs }
        onFinished: function (text) { row.editFinished(row.index, text) }
    }
}
