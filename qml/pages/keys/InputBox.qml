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
    color: Theme.colorBlue
    border.width: 1
    border.color: isArmed ? Theme.colorOrange : Theme.colorGray1
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: textValue
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()

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
