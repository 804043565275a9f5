import QtQuick

// Recording double of the system-setting dialog.
Rectangle {
    property var systemSettingLang: []

    signal closed()

    function open() { callLog.add("systemSetting", "open", arguments); visible = true }
    function close() { visible = false; closed() }
    function init(isSendData, isRecovery) { callLog.add("systemSetting", "init", arguments) }
    function saveData(isSendData, step) {}
    function systemSettingFocus() { callLog.add("systemSetting", "systemSettingFocus", arguments) }

    width: 416
    height: 312
    visible: false
}
