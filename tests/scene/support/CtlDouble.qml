import QtQml

// Stands in for the window controller "ui_Ctl".
QtObject {
    property var log

    function onMinimize() { log.add("ui_Ctl", "onMinimize", arguments) }
    function onClose() { log.add("ui_Ctl", "onClose", arguments) }
    function onXChanged(dx) { log.add("ui_Ctl", "onXChanged", arguments) }
    function onYChanged(dy) { log.add("ui_Ctl", "onYChanged", arguments) }
    function setBusy(busyTime) { log.add("ui_Ctl", "setBusy", arguments) }
}
