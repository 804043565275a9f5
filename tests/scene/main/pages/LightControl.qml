import QtQuick

// Recording double of the lighting panel.
Rectangle {
    property bool isSave: false
    property bool isColorful: false
    property bool is55328: false
    property int dpiCount: 4
    property var lightControlLang: []
    property QtObject lightModel: QtObject {
        function closeMenu() { callLog.add("lightModel", "closeMenu", arguments) }
    }

    function init(isSendData, isRecovery) { callLog.add("lightControl", "init", arguments) }
    function saveData(isSendData, step) { callLog.add("lightControl", "saveData", arguments) }
    function lightControlFocus() { callLog.add("lightControl", "lightControlFocus", arguments) }

    width: 232
    height: 264
}
