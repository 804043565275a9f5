import QtQuick
import "../../basic"

// Text button of the editor: blue, orange while `highlighted` or hovered.
Rectangle {
    id: button

    property string textValue
    property bool highlighted: false

    signal clicked()

    width: 64
    height: 24
    radius: 2
    color: highlighted || (hover.containsMouse && enabled) ? theme.colorOrange : theme.colorBlue
    opacity: enabled ? 1 : 0.5

    Accessible.role: Accessible.Button
    Accessible.name: textValue
    Accessible.onPressAction: if (enabled) clicked()

    Theme { id: theme }

    ThemedText {
        anchors.centerIn: parent
        text: button.textValue
    }
    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
