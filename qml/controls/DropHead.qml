import QtQuick
import "../basic"

// The closed face shared by the drop-downs: the current text and an arrow
// that points up while the drop-down is open.
Rectangle {
    id: head

    property string text
    property int horizontalOffset: 0
    property bool isOpen: false

    signal clicked()

    height: 24
    border.width: 1
    activeFocusOnTab: true

    Accessible.role: Accessible.ComboBox
    Accessible.name: text
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    ThemedText {
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: head.horizontalOffset
        text: head.text
    }
    Image {
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.skinImage("index", head.isOpen ? "dropBtnU.png" : "dropBtn.png")
    }
    MouseArea {
        anchors.fill: parent
        onClicked: head.clicked()
    }
}
