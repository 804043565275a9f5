import QtQuick

// Recording double of the DPI panel.
Rectangle {
    property int currentDPI: 0
    property bool isSave: false
    property bool isColorful: false
    property int dpiCount: 4
    property var dpiSettingLang: []
    property QtObject dpiSegment: QtObject {
        function closeMenu() { callLog.add("dpiSegment", "closeMenu", arguments) }
    }

    function init(isSendData, isRecovery) { callLog.add("dpiSetting", "init", arguments) }
    function saveData(isSendData) { callLog.add("dpiSetting", "saveData", arguments) }
    function dpiValueProc(stage, position, isSendData) {}

    width: 232
    height: 256
}
