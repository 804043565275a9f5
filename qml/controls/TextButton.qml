import QtQuick
import "../basic"

// A labelled button: blue, orange while hovered or focused. Space and
// Enter press it too, so it works from the keyboard; screen readers see a
// button named by its label.
Rectangle {
    id: button

    property string textValue
    property color bgColor: Theme.colorBlue
    property color hoverColor: Theme.colorOrange

    signal clicked()

    width: 64
    height: 24
    color: area.containsMouse || activeFocus ? hoverColor : bgColor
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: textValue
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    ThemedText {
        anchors.centerIn: parent
        text: button.textValue
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
