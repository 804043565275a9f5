import QtQml

// Stands in for the host view "ui_View": every slot the scene may call is
// recorded in `log`. Settings live in plain maps that a test seeds and
// inspects; the other slots answer from `returns` (by slot name), else with
// a neutral value (GetKeyboardoption is left out: QML function names cannot
// start with a capital). Values are kept as given: seed text ("3") where the test
// wants to mimic what the settings files hand back.
QtObject {
    id: view

    property var log
    property bool enabled: true

    property var profile: ({})      // current profile: key -> value or list
    property var factory: ({})      // factory profile, read when isRecovery
    property var global: ({})       // global settings
    property var langs: ({})        // language section -> list of texts
    property var nameLists: ({})    // name-list type -> list of names
    property var macros: ({})       // macro name -> list of action texts
    property var returns: ({})      // slot name -> value (or function of the arguments)

    // Back to a fresh double: empty maps, enabled, no canned answers.
    function reset() {
        enabled = true
        profile = {}
        factory = {}
        global = {}
        langs = {}
        nameLists = {}
        macros = {}
        returns = {}
    }

    function answer(name, args, fallback) {
        var r = returns[name]
        if (r === undefined)
            return fallback
        return typeof r === "function" ? r.apply(null, args) : r
    }
    function record(name, args) {
        log.add("ui_View", name, args)
    }
    function storeOf(isRecovery) {
        return isRecovery ? factory : profile
    }

    // QWidget
    function setEnabled(isEnabled) { record("setEnabled", arguments); enabled = isEnabled }
    function setFocus() { record("setFocus", arguments) }

    // settings
    function getData(key, isRecovery) {
        record("getData", arguments)
        var v = storeOf(isRecovery)[key]
        return answer("getData", arguments, v === undefined ? "" : v)
    }
    function getDataList(key, isRecovery) {
        record("getDataList", arguments)
        var v = storeOf(isRecovery)[key]
        return answer("getDataList", arguments, v === undefined ? [] : v)
    }
    function setData(key, data) { record("setData", arguments); profile[key] = data }
    function setDataList(key, list) { record("setDataList", arguments); profile[key] = list }
    function getGlobalData(key) {
        record("getGlobalData", arguments)
        var v = global[key]
        return answer("getGlobalData", arguments, v === undefined ? "" : v)
    }
    function setGlobalData(key, data) { record("setGlobalData", arguments); global[key] = data }
    function getLangStrings(section, langCode) {
        record("getLangStrings", arguments)
        var v = langs[section]
        return answer("getLangStrings", arguments, v === undefined ? [] : v)
    }

    // profiles
    function setCurrentProfile(profileNo) { record("setCurrentProfile", arguments) }
    function loadProfile(profileNo) { record("loadProfile", arguments); return answer("loadProfile", arguments, true) }
    function saveProfile(profileNo) { record("saveProfile", arguments) }
    function resetProfile(profileNo) { record("resetProfile", arguments) }
    function copyProfile(dest, src) { record("copyProfile", arguments) }
    function resetApconfig() { record("resetApconfig", arguments) }

    // name lists and macros
    function getNameList(type) {
        record("getNameList", arguments)
        var v = nameLists[type]
        return answer("getNameList", arguments, v === undefined ? [] : v)
    }
    function updataNameList(type, list) { record("updataNameList", arguments); nameLists[type] = list; return answer("updataNameList", arguments, true) }
    function createMacroIni(name, macroIndex) { record("createMacroIni", arguments); macros[name] = []; return answer("createMacroIni", arguments, true) }
    function deleteMacroIni(name) { record("deleteMacroIni", arguments); delete macros[name]; return answer("deleteMacroIni", arguments, true) }
    function saveMacroIni(name, actions, repeat) { record("saveMacroIni", arguments); macros[name] = actions; return answer("saveMacroIni", arguments, true) }
    function loadMacroIni(name) {
        record("loadMacroIni", arguments)
        var v = macros[name]
        return answer("loadMacroIni", arguments, v === undefined ? [] : v)
    }
    function loadMacroFile(name) { record("loadMacroFile", arguments); return answer("loadMacroFile", arguments, true) }
    function saveMacroFile(name) { record("saveMacroFile", arguments) }
    function modifyMacroNameUpdateProfile(oldName, newName) { record("modifyMacroNameUpdateProfile", arguments); return answer("modifyMacroNameUpdateProfile", arguments, true) }
    function deleteMacroUpdateProfile(name) { record("deleteMacroUpdateProfile", arguments) }
    function mouseSendMacroData(bytes, slot) { record("mouseSendMacroData", arguments); return answer("mouseSendMacroData", arguments, true) }

    // guns
    function mouseSaveGundata(index, src6) { record("mouseSaveGundata", arguments) }
    function mouseSendGundata(slot, values) { record("mouseSendGundata", arguments) }
    function modifyGundata(modifyType, src6) { record("modifyGundata", arguments) }
    function getGunData(name) { record("getGunData", arguments); return answer("getGunData", arguments, []) }
    function getGunDataKey() { record("getGunDataKey", arguments); return answer("getGunDataKey", arguments, []) }
    function getXYSensitive(index) { record("getXYSensitive", arguments); return answer("getXYSensitive", arguments, 0) }
    function getselectGun(index) { record("getselectGun", arguments); return answer("getselectGun", arguments, 0) }
    function setXYSensitive(index, value) { record("setXYSensitive", arguments) }
    function setSelectGun(index, value) { record("setSelectGun", arguments) }

    // device operations
    function mouseSetKeyboardoption(b1, b2, b3, b4) { record("mouseSetKeyboardoption", arguments) }
    function mouseSetReportRate(rate) { record("mouseSetReportRate", arguments) }
    function mouseSetCurrentDPI(stage) { record("mouseSetCurrentDPI", arguments) }
    function mouseGetCurrentDPI() { record("mouseGetCurrentDPI", arguments); return answer("mouseGetCurrentDPI", arguments, 1) }
    function mouseResetKeyMatrix() { record("mouseResetKeyMatrix", arguments) }
    function mouseSetKeyMatrix(src64, isSendData, otherParam) { record("mouseSetKeyMatrix", arguments) }
    function mouseGetKeydefine(index, isRecovery) { record("mouseGetKeydefine", arguments); return answer("mouseGetKeydefine", arguments, []) }
    function mouseSwitchKeyMatrix(indexNo) { record("mouseSwitchKeyMatrix", arguments) }
    function mouseSetDpi(count, sensorType, values) { record("mouseSetDpi", arguments) }
    function mouseSetRGBEffect(effect, option1, option2) { record("mouseSetRGBEffect", arguments) }
    function mouseSetRGBColor(type, src24) { record("mouseSetRGBColor", arguments) }
    function mouseSetProfile(profileNo) { record("mouseSetProfile", arguments) }
    function mouseReadProfile(profileNo) { record("mouseReadProfile", arguments) }
    function mouseReadCurrentProfile() { record("mouseReadCurrentProfile", arguments); return answer("mouseReadCurrentProfile", arguments, 1) }

    // system pointer settings
    function mouseSetCursorSpeed(speed) { record("mouseSetCursorSpeed", arguments) }
    function mouseSetVerticalScrollLines(lines) { record("mouseSetVerticalScrollLines", arguments) }
    function mouseSetDoubleClickSpeed(speed) { record("mouseSetDoubleClickSpeed", arguments) }

    // window
    function setBusy(busyTime) { record("setBusy", arguments) }
    function setCurrentDPI(stage) { record("setCurrentDPI", arguments) }
    function openUpdateExe() { record("openUpdateExe", arguments) }
    function clearHidBusy() { record("clearHidBusy", arguments) }
}
