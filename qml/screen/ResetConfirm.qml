import QtQuick
import "../basic"
import "../controls"

// Confirmation of the factory reset of the active profile.
Rectangle {
    id: dialog

    property string title: "Reset"
    property string question: "Reset factory setting"
    property string cancelText: "Cancel"
    property string okText: "OK"

    signal closed()
    signal confirmed()

    function open() {
        visible = true
    }
    function close() {
        visible = false
        closed()
    }

    width: 427
    height: 102
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    DialogTitle {
        id: titleBar
        height: 32
        title: dialog.title
        onCloseClicked: dialog.close()
    }
    ThemedText {
        x: 16
        y: 40
        text: dialog.question
    }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        spacing: 16
        TextButton {
            objectName: "resetCancel"
            textValue: dialog.cancelText
            onClicked: dialog.close()
        }
        TextButton {
            objectName: "resetOk"
            textValue: dialog.okText
            onClicked: dialog.confirmed()
        }
    }
}
