import QtQuick
import "../../basic"

// A 64 x 24 button of the profile dialog: its picture, orange while the
// pointer is over it or the keyboard is on it, and its text. Space and
// Enter press it.
Item {
    id: button

    property string text

    signal clicked()

    width: 64
    height: 24

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: clicked()
    activeFocusOnTab: true
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    Image {
        anchors.fill: parent
        source: Theme.skinImage("profile", hover.containsMouse || button.activeFocus ? "buttonH.png" : "button.png")
    }
    ThemedText {
        anchors.centerIn: parent
        text: button.text
    }
    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
