import QtQuick

// Blinking notice shown while the scene is locked for a device exchange.
Item {
    id: busy
    property bool isBusy: false

    function setBusy(value) {
        isBusy = value
    }

    width: label.implicitWidth
    height: label.implicitHeight
    visible: isBusy

    ThemedText {
        id: label
        text: "LOADING ......"
    }

    SequentialAnimation {
        id: blink
        running: busy.isBusy
        loops: Animation.Infinite
        onRunningChanged: if (!running) label.opacity = 1.0
        NumberAnimation { target: label; property: "opacity"; from: 1.0; to: 0.2; duration: 400 }
        NumberAnimation { target: label; property: "opacity"; from: 0.2; to: 1.0; duration: 400 }
    }
}
