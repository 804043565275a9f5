import QtQuick
import "../../basic"
import "../../controls"

// "Insert Key": a small box over a mask that covers the editor. The field
// shows the last key captured and keeps it between openings.
Item {
    id: dialog

    property string title
    property string okText
    property string keyName: ""

    signal accepted()
    signal canceled()

    anchors.fill: parent
    visible: false
    z: 30

    Rectangle {
        anchors.fill: parent
        color: "#90000000"
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            onWheel: function (wheel) { wheel.accepted = true }
        }
    }
    Rectangle {
        objectName: "insertKeyBox"
        anchors.centerIn: parent
        width: 240
        height: 80
        color: Theme.colorGray0
        border.color: Theme.colorGray1

        Accessible.role: Accessible.Dialog
        Accessible.name: dialog.title

        ThemedText {
            x: 12
            y: 8
            text: dialog.title
        }
        IconButton {
            objectName: "insertKeyClose"
            x: parent.width - width - 8
            y: 6
            name: "Close"
            file: "close.png"
            onClicked: dialog.canceled()
        }
        Rectangle {
            objectName: "insertKeyField"
            x: 12
            y: 44
            width: 140
            height: 24
            color: Theme.colorBlue

            Accessible.role: Accessible.StaticText
            Accessible.name: dialog.keyName

            ThemedText {
                anchors.centerIn: parent
                text: dialog.keyName
            }
        }
        TextButton {
            objectName: "insertKeyOk"
            x: 164
            y: 44
            textValue: dialog.okText
            onClicked: dialog.accepted()
        }
    }
}
