import QtQuick
import "../../basic"

// Heading of one group of the assignment dialog, with a rule under it.
Item {
    property alias text: label.text

    width: parent ? parent.width : 0
    height: 24

    ThemedText {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: Theme.fontMiddleSize
        color: Theme.colorOrange
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.colorGray1
    }
}
