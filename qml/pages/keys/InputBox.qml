import QtQuick
import "../../basic"

// A field that waits for a key from the keyboard hook once clicked; it is
// outlined in orange while it waits.
Rectangle {
    id: box

    property string textValue
    property bool isArmed: false

    signal clicked()

    height: 24
    color: theme.colorBlue
    border.width: 1
    border.color: isArmed ? theme.colorOrange : theme.colorGray1
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: textValue
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()

    Theme { id: theme }

    ThemedText {
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: box.textValue
    }
    MouseArea {
        anchors.fill: parent
        onClicked: box.clicked()
    }
}
