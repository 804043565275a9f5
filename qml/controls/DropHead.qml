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
    // Keyboard: Space or Enter, an arrow (as a column and a row step), and
    // Escape while open.
    signal keyActivated()
    signal keyStep(int dx, int dy)
    signal keyFold()

    height: 24
    border.width: 1
    activeFocusOnTab: true

    Accessible.role: Accessible.ComboBox
    Accessible.name: text
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: keyActivated()
    Keys.onReturnPressed: keyActivated()
    Keys.onEnterPressed: keyActivated()
    Keys.onUpPressed: keyStep(0, -1)
    Keys.onDownPressed: keyStep(0, 1)
    Keys.onLeftPressed: keyStep(-1, 0)
    Keys.onRightPressed: keyStep(1, 0)
    Keys.onEscapePressed: function (event) {
        if (isOpen)
            keyFold()
        else
            event.accepted = false
    }

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
