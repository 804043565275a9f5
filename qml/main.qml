import QtQuick
import "basic"
import "controls"

// Root of the scene. The native side calls these functions by name.
Item {
    id: root
    width: 1024
    height: 640
    visible: false

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vornCode, int x, int y)

    property bool isPownOn: false
    property int activeDpiStage: -1

    function initUI() {
        setProtectUI(1000)
        root.visible = true
        isPownOn = true
    }
    function run() {
    }
    function setProtectUI(interval) {
        protectTimer.stop()
        var ms = Number(interval)
        ui_View.enabled = ms <= 0
        if (ms > 0) {
            protectTimer.interval = ms
            protectTimer.start()
        }
    }
    function setCurrentDPI(stage) {
        var value = Number(stage)
        if (value !== 0)
            activeDpiStage = value - 1
    }
    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }
    function detectMouse(isDown, code, x, y) {
        msg_MS(isDown, code, x, y)
    }

    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: ui_View.enabled = true
    }

    Rectangle {
        anchors.fill: parent
        color: "#1a1a1a"
        radius: 8
        Text {
            anchors.centerIn: parent
            color: "#ffffff"
            font.pixelSize: 16
            text: "TELVARI OSKEN MOUSE K7"
        }
    }
}
