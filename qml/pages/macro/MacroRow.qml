import QtQuick
import "../../basic"

// One macro of the library list; a double click renames it in place.
Rectangle {
    id: row

    required property int index
    required property string name
    property bool isCurrent: false
    property bool isEditing: false
    property alias field: field

    signal clicked(int index)
    signal doubleClicked(int index)
    signal editFinished(int index, string text)

    width: ListView.view ? ListView.view.width : 166
    height: 27
    color: isCurrent ? Theme.colorOrange : "transparent"

    Accessible.role: Accessible.ListItem
    Accessible.name: name
    Accessible.selected: isCurrent
    Accessible.onPressAction: clicked(index)

    ThemedText {
        x: 8
        width: parent.width - 16
        anchors.verticalCenter: parent.verticalCenter
        visible: !row.isEditing
        elide: Text.ElideRight
        text: row.name
    }
    MouseArea {
        anchors.fill: parent
        onClicked: row.clicked(row.index)
        onDoubleClicked: row.doubleClicked(row.index)
    }
    InlineField {
        id: field
        anchors.fill: parent
        visible: row.isEditing
        initialText: row.name
        onFinished: function (text) { row.editFinished(row.index, text) }
    }
}
