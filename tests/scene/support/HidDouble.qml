import QtQml

// Stands in for the device object "hid": the scene calls it once.
QtObject {
    property var log

    function hid560_02H_SetCurrentProfile(profile) { log.add("hid", "hid560_02H_SetCurrentProfile", arguments) }
}
