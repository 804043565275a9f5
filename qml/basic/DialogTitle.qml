import QtQuick
import "../controls"

// Title bar of a dialog: 40 high, the title at the left, an optional
// restore mark (↺) and the close mark (×) at the right.
Item {
    id: bar

    property string title
    property bool hasRestore: false

    signal closeClicked()
    signal restoreClicked()

    width: parent ? parent.width : 0
    height: 40

    ThemedText {
        objectName: "dialogTitle"
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: Theme.fontMiddleSize
        text: bar.title
    }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12
        IconButton {
            objectName: "restoreMark"
            visible: bar.hasRestore
            name: "Restore"
            file: "restore.png"
            onClicked: bar.restoreClicked()
        }
        IconButton {
            objectName: "closeMark"
            name: "Close"
            file: "close.png"
            onClicked: bar.closeClicked()
        }
    }
}
