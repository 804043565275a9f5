import QtQuick
import "../../basic"

// The 40-high head of a dialog: its title and the close mark.
Item {
    id: bar

    property string title

    signal closeClicked()

    width: parent ? parent.width : 0
    height: 40

    Theme { id: theme }

    ThemedText {
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: theme.fontMiddleSize
        text: bar.title
    }
    CloseMark {
        objectName: "closeMark"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        onClicked: bar.closeClicked()
    }
}
