import QtQuick

// A scene root that records every call the native side makes by name.
Item {
    width: 1024
    height: 640
    property var calls: []

    function record(entry) {
        var list = calls
        list.push(entry)
        calls = list
    }
    function initUI() { record("initUI") }
    function run() { record("run") }
    function setProtectUI(interval) { record("setProtectUI " + interval) }
    function setCurrentDPI(stage) { record("setCurrentDPI " + stage) }
    function detectKeyboard(isDown, code) { record("detectKeyboard " + isDown + " " + code) }
    function detectMouse(isDown, code, x, y) { record("detectMouse " + isDown + " " + code + " " + x + " " + y) }
}
