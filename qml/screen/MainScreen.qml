import QtQuick
import "../basic"
import "../controls"
import "../pages"

// The main screen: the whole 1024 × 640 window with every region and
// dialog. The window's root (main.qml) builds it and passes on the host's
// calls: initUI, run, setProtectUI, setCurrentDPI, detectKeyboard and
// detectMouse. Pages reach it as "root" and call mainFocus() and
// controlUIEnable(isEnable).
Item {
    id: root
    width: 1024
    height: 640
    visible: false

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int code, int x, int y)

    // ---- flags of the mouse (global settings) ---------------------------
    property bool isColorful: false
    property string icType: "553"
    property bool is55328: false
    property bool isGun: true
    property string language: "ChineseSimplified"
    property string url: "https://k7config.org/help"
    property bool isPownOn: false
    property int keyCount: 8

    // ---- constants every page reads (through Theme) ---------------------
    readonly property color colorGray0: "#1a1a1a"
    readonly property color colorGray1: "#3c3c3c"
    readonly property color colorGray2: "#969696"
    readonly property color colorGray3: "#d1d1d1"
    readonly property color colorBlue: "#09347f"
    readonly property color colorOrange: "#d74400"
    readonly property color colorBlack: Qt.rgba(0, 0, 0, 1)
    readonly property string fontFamily: "微软雅黑"
    readonly property color fontColor: "#ffffff"
    readonly property int fontMinSize: 10
    readonly property int fontNormalSize: 12
    readonly property int fontMiddleSize: 14
    readonly property int fontMaxSize: 16
    readonly property color maskColor: "#90000000"
    readonly property color pendingSaveColor: "#ff3030"
    readonly property int skin_No: 1
    // The scene's shared Theme follows these constants.
    Component.onCompleted: Theme.root = root

    property var mainLang: ["Editor", "Macro Editor", "Gun Editor", "Report Rate", "Config", "Reset",
        "Reset factory setting", "Cancel", "OK", "System setting", "Save", "", "", "", ""]

    // True from the first unlock on: the regions replace the start-up picture.
    property bool isStarted: false
    readonly property bool isSavePending: keyMatrix.isSave || dpiSetting.isSave || lightControl.isSave
    // The dialogs, bottom to top of the default stacking.
    readonly property var dialogs: [keyAssigment, macroEditor, gunControl, systemSetting, profile, resetConfirm]
    readonly property bool isDialogOpen: keyAssigment.visible || macroEditor.visible || gunControl.visible
                                         || systemSetting.visible || profile.visible || resetConfirm.visible
    property int topDialogZ: 20
    // Where the keyboard was when the first dialog opened: it goes back
    // there when the last one closes (to the screen itself if nowhere), so
    // Tab and Escape go on from the control that opened it.
    property Item focusBeforeDialogs: null
    // Later, once the regions under the mask are enabled again.
    onIsDialogOpenChanged: if (!isDialogOpen) Qt.callLater(returnFocusAfterDialogs)
    function returnFocusAfterDialogs() {
        if (isDialogOpen)
            return
        var back = focusBeforeDialogs
        focusBeforeDialogs = null
        if (back && back.visible && back.enabled)
            back.forceActiveFocus()
        else
            root.forceActiveFocus()
    }
    // Dialogs that keep the place they were dragged to, once placed.
    property var placedDialogs: []

    // ---- functions the host calls by name --------------------------------

    function initUI() {
        setProtectUI(1000)
        root.visible = true
        if (!isPownOn) {
            readFlags()
            checkStartupProfile()
            loadLanguages()
            initProfiles()
            initPages()
            isPownOn = true
        }
        markCurrentDpi(Number(ui_View.mouseGetCurrentDPI()) - 1)
    }
    function run() {
    }
    function setProtectUI(interval) {
        var ms = Number(interval)
        protectTimer.stop()
        if (!(ms > 0)) {
            unlock()
            return
        }
        busy.setBusy(true)
        ui_View.setEnabled(false)
        protectTimer.interval = ms
        protectTimer.start()
    }
    function setCurrentDPI(stage) {
        var value = Number(stage)
        if (value !== 0 && !isNaN(value))
            markCurrentDpi(value - 1)
    }
    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }
    function detectMouse(isDown, code, x, y) {
        msg_MS(isDown, code, x, y)
    }

    // ---- functions the pages call ---------------------------------------

    function mainFocus() {
        reportRate.list.closeMenu()
        dpiSetting.dpiSegment.closeMenu()
        profileSelector.closeMenu()
        lightControl.lightModel.closeMenu()
        helpMenu.visible = false
    }
    function controlUIEnable(isEnable) {
        busy.setBusy(!isEnable)
        ui_View.setEnabled(isEnable)
    }
    // Opens a dialog at its place (centred, or where it was dragged to) on
    // top of every open one; the mask shows while any dialog is open.
    function openDialog(dialog) {
        mainFocus()
        if (!isDialogOpen)
            focusBeforeDialogs = Window.activeFocusItem
        placeDialog(dialog)
        topDialogZ += 1
        dialog.z = topDialogZ
        dialog.open()
        // Tab starts in the dialog; the regions under the mask are disabled
        // meanwhile, so it stays among the open dialogs' controls.
        dialog.forceActiveFocus()
    }
    // The key-assignment dialog for button `index`, unless that button holds
    // the last plain left-button assignment.
    function openKeyAssignment(index) {
        mouse.selectKey = index
        if (keyMatrix.checkOneLeftKey() === index)
            return false
        keyAssigment.show(index)
        openDialog(keyAssigment)
        return true
    }

    // ---- start-up steps ---------------------------------------------------

    function toBool(value) {
        return value === true || value === "true" || value === 1 || value === "1"
    }
    function readFlags() {
        isColorful = toBool(ui_View.getGlobalData("mouse/isColorful"))
        icType = String(ui_View.getGlobalData("mouse/icType"))
        is55328 = toBool(ui_View.getGlobalData("mouse/is55328"))
        isGun = toBool(ui_View.getGlobalData("mouse/isGun"))
        var count = Number(ui_View.getGlobalData("mouse/keyCount"))
        if (Number.isInteger(count) && count >= 0 && count <= 8)
            keyCount = count
        else
            console.warn("mouse/keyCount", count, "is not 0 to 8; showing", keyCount, "buttons")
        var lang = String(ui_View.getGlobalData("common/language"))
        if (lang !== "")
            language = lang
        var address = String(ui_View.getGlobalData("common/url"))
        if (address !== "")
            url = address
    }
    // A 560 mouse must be on its first on-board profile: the settings of
    // every profile reach it there.
    function checkStartupProfile() {
        if (icType === "560" && Number(ui_View.mouseReadCurrentProfile()) !== 1)
            hid.hid560_02H_SetCurrentProfile(1)
    }
    function loadLanguages() {
        var pages = { "main": root, "keyMatrix": keyMatrix, "keyAssigment": keyAssigment,
            "dpiSetting": dpiSetting, "lightControl": lightControl, "macroEditor": macroEditor,
            "systemSetting": systemSetting, "gunControl": gunControl, "profile": profile }
        for (var section in pages) {
            var texts = ui_View.getLangStrings(section, language)
            if (texts && texts.length > 0)
                pages[section][section + "Lang"] = texts
        }
        var keyNames = ui_View.getLangStrings("keyCode", language)
        if (keyNames && keyNames.length > 0)
            keyCodeString.setNames(keyNames)
        // read for the controller's own notices
        ui_View.getLangStrings("other", language)
    }
    function initProfiles() {
        profile.init()
        var number = Number(ui_View.getGlobalData("mouse/profileNo"))
        if (!Number.isInteger(number) || number < 0 || number > 5) {
            console.warn("mouse/profileNo", number, "is not 0 to 5; using profile 0")
            number = 0
        }
        profile.profileNo = number
        showProfileInSelector(number)
        ui_View.setCurrentProfile(number)
        reportRate.init(false)
    }
    function initPages() {
        macroEditor.init()
        gunControl.init()
        keyAssigment.init()
        keyMatrix.init(false, false)
        dpiSetting.init(false, false)
        lightControl.init(false, false)
        systemSetting.init(false, false)
    }
    function markCurrentDpi(index) {
        dpiSetting.currentDPI = index
    }
    function showProfileInSelector(number) {
        profileSelector.closeMenu()
        var rows = profile.profileModel
        for (var i = 0; rows && i < rows.count; ++i) {
            if (Number(rows.get(i).profileNumber) === number) {
                profileSelector.currentSelect = i
                return
            }
        }
    }

    // ---- UI lock ----------------------------------------------------------

    function unlock() {
        protectTimer.stop()
        ui_View.setEnabled(true)
        busy.setBusy(false)
        isStarted = true
    }

    // ---- Save, factory reset, profile change -----------------------------

    function save() {
        mainFocus()
        if (!isSavePending)
            return
        controlUIEnable(false)
        if (keyMatrix.isSave) {
            keyMatrix.isSave = false
            keyMatrix.saveData()
        }
        if (dpiSetting.isSave) {
            dpiSetting.isSave = false
            dpiSetting.saveData(true)
        }
        if (lightControl.isSave) {
            lightControl.isSave = false
            lightControl.saveData(true, 0)
        }
        controlUIEnable(true)
    }
    // Re-reads every panel from the current profile and sends it.
    function sendProfilePages() {
        keyMatrix.init(true, false)
        reportRate.init(true)
        dpiSetting.init(true, false)
        lightControl.init(true, false)
        systemSetting.init(true, false)
        if (isGun) {
            ui_View.mouseSwitchKeyMatrix(1)
            ui_View.mouseResetKeyMatrix()
        }
    }
    function factoryReset() {
        controlUIEnable(false)
        resetConfirm.close()
        keyMatrix.isSave = false
        dpiSetting.isSave = false
        lightControl.isSave = false
        ui_View.resetProfile(profile.profileNo)
        sendProfilePages()
        ui_View.mouseSetCurrentDPI(2)
        markCurrentDpi(1)
        gunControl.resetData()
        controlUIEnable(true)
    }
    // An import over the active profile: the panels re-read it and the
    // mouse receives it, as on a profile change. Unsaved edits give way to
    // the imported file: were they kept pending, Save would write the old
    // values over it.
    function reloadActiveProfile() {
        controlUIEnable(false)
        keyMatrix.isSave = false
        dpiSetting.isSave = false
        lightControl.isSave = false
        sendProfilePages()
        controlUIEnable(true)
    }
    function changeProfile(number) {
        if (number === profile.profileNo)
            return
        controlUIEnable(false)
        profile.profileNo = number
        showProfileInSelector(number)
        ui_View.setGlobalData("mouse/profileNo", number)
        ui_View.setCurrentProfile(number)
        sendProfilePages()
        controlUIEnable(true)
    }

    // ---- dialogs ------------------------------------------------------------

    function centre(dialog) {
        dialog.x = Math.round((width - dialog.width) / 2)
        dialog.y = Math.round((height - dialog.height) / 2)
    }
    function placeDialog(dialog) {
        var placed = placedDialogs.indexOf(dialog) >= 0
        if (dialog === gunControl || dialog === keyAssigment) {
            if (!placed) {
                centre(dialog)
                placedDialogs.push(dialog)
            } else if (dialog === keyAssigment) {
                dialog.x = Math.round((width - dialog.width) / 2)
            }
        } else {
            centre(dialog)
        }
    }
    // A press on the mask: the open dialogs drop their input focus and
    // close their drop-downs.
    function dialogsFocus() {
        if (macroEditor.visible)
            macroEditor.macroEditorFocus()
        if (profile.visible)
            profile.profileFocus()
        if (gunControl.visible)
            gunControl.gunControlFocus()
        lightControl.lightControlFocus()
        if (systemSetting.visible)
            systemSetting.systemSettingFocus()
    }
    function routeKey(isDown, usbCode) {
        if (macroEditor.visible && macroEditor.isInputting)
            macroEditor.detectKeyboard(isDown, usbCode)
        else if (macroEditor.visible && macroEditor.isInsertting)
            macroEditor.detectInput(isDown, usbCode)
        else if (keyAssigment.isFireInput)
            keyAssigment.detectKeyboard(isDown, usbCode, 0)
        else if (keyAssigment.isComboInput)
            keyAssigment.detectKeyboard(isDown, usbCode, 1)
    }
    onMsg_KB: function(isDown, usbCode) { routeKey(isDown, usbCode) }
    // While a page captures keys (a recording, a key to insert, a fire key
    // or a combination), every key, Escape too, is one the user means.
    readonly property bool capturingKeys: (macroEditor.visible && (macroEditor.isInputting || macroEditor.isInsertting))
                                          || keyAssigment.isFireInput || keyAssigment.isComboInput
    function topOpenDialog() {
        var top = null
        for (var i = 0; i < dialogs.length; ++i) {
            if (dialogs[i].visible && (top === null || dialogs[i].z > top.z))
                top = dialogs[i]
        }
        return top
    }
    // Escape closes the dialog on top, as its close mark does; the keyboard
    // goes on in the dialog under it, if any.
    function closeTopDialog() {
        var top = topOpenDialog()
        if (top === null || capturingKeys)
            return false
        top.close()
        var next = topOpenDialog()
        if (next !== null)
            next.forceActiveFocus()
        return true
    }
    // Escape: closes the dialog on top; with no dialog open, folds the
    // drop-downs and the help menu. False when it had nothing to do.
    function pressEscape() {
        if (closeTopDialog())
            return true
        if (isDialogOpen)
            return false
        mainFocus()
        return true
    }
    Keys.onEscapePressed: function (event) { event.accepted = root.pressEscape() }

    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: root.unlock()
    }

    // ---- regions -----------------------------------------------------------

    Environment {
        id: environment
        visible: root.isStarted
    }
    // Empty parts of the window: drag the window, close the drop-downs.
    WindowDrag {
        objectName: "windowDrag"
        anchors.fill: parent
        onPressed: root.mainFocus()
    }

    Mouse {
        id: mouse
        objectName: "mouse"
        enabled: !root.isDialogOpen
        visible: root.isStarted
        keyCount: root.keyCount
        // ==== keys wiring (mouse picture) ====
        // a marker of the last left button opens nothing and drops the selection
        onClickBtn: function(index) { if (!root.openKeyAssignment(index)) mouse.selectKey = -1 }
        // ==== end keys wiring ====
    }

    Column {
        id: leftColumn
        objectName: "leftColumn"
        enabled: !root.isDialogOpen
        x: 24
        y: 88
        spacing: 8
        width: 232
        visible: root.isStarted

        KeyMatrix {
            id: keyMatrix
            objectName: "keyMatrix"
            keyCount: root.keyCount
            isGun: root.isGun
            keyTable: keyCodeString
            // ==== keys wiring (button list) ====
            selectKey: mouse.selectKey
            assignmentLabels: keyAssigment.keyAssigmentLang
            gunPeriods: gunControl.slotPeriods
            onEnterBtn: function(index) { mouse.hoverKey = index }
            onLeaveBtn: function(index) { if (!keyAssigment.visible) mouse.hoverKey = -1 }
            onClickBtn: function(index) { root.openKeyAssignment(index) }
            onSendMacro: function(slot, name) { macroEditor.sendMacro(slot, name) }
            // ==== end keys wiring ====
        }
        EditorBox {
            id: editorBox
            objectName: "editorBox"
            isGun: root.isGun
            title: root.mainLang[0]
            macroText: root.mainLang[1]
            gunText: root.mainLang[2]
            onMacroEditorClicked: root.openDialog(macroEditor)
            onGunEditorClicked: root.openDialog(gunControl)
        }
        ReportRateBox {
            id: reportRate
            objectName: "reportRate"
            // its open list hangs over the entry below
            z: 1
            title: root.mainLang[3]
        }
        EditorEntry {
            objectName: "systemSettingEntry"
            width: 232
            textValue: root.mainLang[9]
            onClicked: root.openDialog(systemSetting)
        }
    }

    Column {
        id: rightColumn
        objectName: "rightColumn"
        enabled: !root.isDialogOpen
        x: 768
        y: 56
        spacing: 8
        visible: root.isStarted

        DpiSetting {
            id: dpiSetting
            objectName: "dpiSetting"
            // its open drop-downs hang over the lighting panel
            z: 1
            isColorful: root.isColorful
            // ==== perf wiring (DPI panel) ====
            // ==== end perf wiring ====
        }
        LightControl {
            id: lightControl
            objectName: "lightControl"
            isColorful: root.isColorful
            is55328: root.is55328
            // ==== perf wiring (lighting panel) ====
            // a colour block for each stage the mouse offers
            dpiCount: dpiSetting.dpiCount
            // ==== end perf wiring ====
        }
    }

    // Top bar: profile selector, help, minimise, close.
    DropDownList {
        id: profileSelector
        objectName: "profileSelector"
        enabled: !root.isDialogOpen
        x: topIcons.x - 16 - width
        y: 16
        width: 144
        visible: root.isStarted
        mdItems: profile.profileModel
        currentSelect: 0
        onValueChange: function(index) {
            profile.changeProfile(Number(profile.profileModel.get(index).profileNumber))
        }
    }
    Row {
        id: topIcons
        objectName: "topIcons"
        enabled: !root.isDialogOpen
        x: 920
        y: 16
        height: 24
        spacing: 16
        visible: root.isStarted

        IconButton {
            objectName: "helpIcon"
            anchors.verticalCenter: parent.verticalCenter
            name: "Help"
            file: "help.png"
            onClicked: {
                var show = !helpMenu.visible
                root.mainFocus()
                helpMenu.visible = show
            }
        }
        IconButton {
            objectName: "minimiseIcon"
            anchors.verticalCenter: parent.verticalCenter
            name: "Minimise"
            file: "min.png"
            onClicked: ui_Ctl.onMinimize()
        }
        IconButton {
            objectName: "closeIcon"
            anchors.verticalCenter: parent.verticalCenter
            name: "Close"
            file: "close.png"
            onClicked: ui_Ctl.onClose()
        }
    }

    // Bottom bar: Config, Reset, Save.
    Row {
        id: bottomBar
        objectName: "bottomBar"
        enabled: !root.isDialogOpen
        anchors.right: parent.right
        anchors.rightMargin: 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 16
        visible: root.isStarted

        TextButton {
            objectName: "configButton"
            textValue: root.mainLang[4]
            onClicked: root.openDialog(profile)
        }
        TextButton {
            objectName: "resetButton"
            textValue: root.mainLang[5]
            onClicked: root.openDialog(resetConfirm)
        }
        TextButton {
            objectName: "saveButton"
            textValue: root.mainLang[10]
            bgColor: root.isSavePending ? root.pendingSaveColor : root.colorBlue
            onClicked: root.save()
        }
    }

    HelpMenu {
        id: helpMenu
        objectName: "helpMenu"
        enabled: !root.isDialogOpen
        x: root.width - 300
        y: 30
        z: 10
        url: root.url
    }

    KeyCodeString {
        id: keyCodeString
    }

    // ---- dialogs over the mask --------------------------------------------

    Rectangle {
        id: mask
        objectName: "mask"
        anchors.fill: parent
        z: 19
        color: root.maskColor
        visible: root.isDialogOpen
        WindowDrag {
            anchors.fill: parent
            hoverEnabled: true
            onPressed: root.dialogsFocus()
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    KeyAssigment {
        id: keyAssigment
        objectName: "keyAssigment"
        isGun: root.isGun
        keyTable: keyCodeString
        // ==== keys wiring (key-assignment dialog) ====
        buttonList: keyMatrix
        onSendMacro: function(slot, name) { macroEditor.sendMacro(slot, name) }
        onOpenMacroEditor: root.openDialog(macroEditor)
        onClosed: { mouse.hoverKey = -1; mouse.selectKey = -1 }
        // ==== end keys wiring ====
    }
    MacroEditor {
        id: macroEditor
        objectName: "macroEditor"
        keyTable: keyCodeString
        // ==== macro wiring (macro editor) ====
        onMacroNamesChanged: keyAssigment.macroList.addData(macroNames)
        onClosed: keyAssigment.macroList.closeMenu()
        // The button list keeps its entries in step with the library: a
        // deleted macro gives its buttons their factory assignment at once,
        // a renamed one is shown and stored under its new name, an edited
        // one is sent again to every button that plays it.
        onDeleteMacro: function(name) { keyMatrix.macroDeleted(name) }
        onModifyMacroName: function(oldName, newName) { keyMatrix.macroRenamed(oldName, newName) }
        onModifyMacroData: function(name) { keyMatrix.macroEdited(name) }
        // ==== end macro wiring ====
    }
    GunControl {
        id: gunControl
        objectName: "gunControl"
        // ==== gun wiring (gun editor) ====
        // The key list sends the slot guns' periods with the key matrices.
        onSlotPeriodsChanged: if (keyMatrix.gunPeriods !== undefined) keyMatrix.gunPeriods = slotPeriods
        onSendKeyList: keyMatrix.saveData()
        // ==== end gun wiring ====
    }
    SystemSetting {
        id: systemSetting
        objectName: "systemSetting"
        // ==== perf wiring (system setting) ====
        // ==== end perf wiring ====
    }
    Profile {
        id: profile
        objectName: "profile"
        // ==== gun wiring (profile dialog) ====
        onChangeProfile: function(profileNumber) { root.changeProfile(profileNumber) }
        onActiveProfileReplaced: root.reloadActiveProfile()
        // ==== end gun wiring ====
    }
    ResetConfirm {
        id: resetConfirm
        objectName: "resetConfirm"
        title: root.mainLang[5]
        question: root.mainLang[6]
        cancelText: root.mainLang[7]
        okText: root.mainLang[8]
        onConfirmed: root.factoryReset()
    }
    DialogDrag { dialog: keyAssigment; bounds: root }
    DialogDrag { dialog: macroEditor; bounds: root }
    DialogDrag { dialog: gunControl; bounds: root }
    DialogDrag { dialog: systemSetting; bounds: root }
    DialogDrag { dialog: profile; bounds: root }
    DialogDrag { dialog: resetConfirm; bounds: root }

    // ---- start-up picture and busy indicator -------------------------------

    Image {
        id: powerOn
        objectName: "powerOn"
        anchors.centerIn: parent
        visible: !root.isStarted
        // Not kept once started: nothing shows it again. Kept out of the
        // image cache, which would otherwise hold it for minutes.
        cache: false
        source: root.isStarted ? "" : Theme.skinImage("index", "powerOn.png")
    }
    BusyIndicator {
        id: busy
        objectName: "busy"
        anchors.centerIn: parent
        z: 100
    }
}
