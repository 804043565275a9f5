import QtQuick
import "../../basic"

// The × of a title bar.
Item {
    id: mark

    signal clicked()

    width: 24
    height: 24

    Accessible.role: Accessible.Button
    Accessible.name: "Close"
    Accessible.onPressAction: clicked()

    Theme { id: theme }

    ThemedText {
        anchors.centerIn: parent
        text: "×"
        font.pixelSize: theme.fontMaxSize + 4
        color: hover.containsMouse ? theme.colorOrange : theme.fontColor
    }
    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        onClicked: mark.clicked()
    }
}
