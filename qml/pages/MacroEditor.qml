import QtQuick
import "../basic"
import "../controls"
import "macro"
import "../logic/macrocode.js" as MacroCode
import "../logic/macronames.js" as MacroNames

// The macro editor: the library of named macros, recording, editing and
// the macro payload. Every change is written to the macro's file at once
// and announced with modifyMacroData, so the buttons holding the macro get
// it again; nothing is pending when the editor closes.
Rectangle {
    id: editor

    property var macroEditorLang: [
        "Macro Editor", "Macro Name", "New", "Delete", "Action", "Stop Record", "Times", "OK",
        "Start Record", "Delay", "Delete", "Import", "Export", "Insert Delay", "Insert Key",
        "Insert Left Key", "Insert Middle Key", "Insert Right Key"
    ]
    // The scene's key table (main binds it); names become codes through it.
    property var keyTable: ownKeyTable
    property bool isInputting: false
    property bool isInsertting: false
    // The library's names in list order, for the key dialog's drop-down.
    property var macroNames: []
    property int currentMacro: -1
    property alias currentAction: actionList.current
    // The current macro's actions (ActionModel).
    property alias actions: actionList
    // Ticks of 10 ms since the last recorded event. The clock can be
    // replaced by one that a test advances by hand.
    property Timer recordTimer: ownClock
    readonly property Timer defaultRecordTimer: ownClock
    property int recordCounter: 0
    // Row edited in place, -1 for none.
    property int renameRow: -1
    property int delayEditRow: -1

    signal deleteMacro(string macroName)
    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)
    signal closed()

    function currentName() {
        return currentMacro >= 0 && currentMacro < macroList.count ? macroList.get(currentMacro).name : ""
    }
    function lang(i) {
        return macroEditorLang[i] === undefined ? "" : macroEditorLang[i]
    }

    // ---- opening, closing, focus ----

    function open() {
        visible = true
    }
    function close() {
        macroEditorFocus()
        closeInsertKey()
        if (isInputting)
            stopRecord()
        visible = false
        closed()
    }
    // Ends in-place edits (keeping what was typed) and closes the menus.
    function macroEditorFocus() {
        var field = activeField()
        if (field)
            field.finish()
        renameRow = -1
        delayEditRow = -1
        if (timesField.txtInput.activeFocus)
            timesField.closeFocus()
        macroMenu.close()
        actionMenu.close()
    }
    function activeField() {
        var row = renameRow >= 0 ? macroView.view.itemAtIndex(renameRow)
                : delayEditRow >= 0 ? actionView.view.itemAtIndex(delayEditRow) : null
        return row ? row.field : null
    }
    function contains(item, px, py) {
        var p = item.mapFromItem(editor, px, py)
        return item.visible && p.x >= 0 && p.y >= 0 && p.x < item.width && p.y < item.height
    }
    // A press anywhere in the editor ends what it does not land on.
    function pressAt(px, py) {
        var field = activeField()
        if (field && !contains(field, px, py))
            field.finish()
        if (timesField.txtInput.activeFocus && !contains(timesField, px, py))
            timesField.closeFocus()
        if (macroMenu.visible && !contains(macroMenu, px, py))
            macroMenu.close()
        if (actionMenu.visible && !contains(actionMenu, px, py))
            actionMenu.close()
    }

    // ---- library ----

    function init() {
        stopRecordIfRunning()
        macroList.clear()
        actionList.load([])
        currentMacro = -1
        var names = MacroNames.fromStored(ui_View.getNameList(0))
        for (var i = 0; i < names.length; ++i)
            macroList.append({ name: names[i] })
        macroNames = names
    }
    function names() {
        var out = []
        for (var i = 0; i < macroList.count; ++i)
            out.push(macroList.get(i).name)
        return out
    }
    function publishNames() {
        var list = names()
        ui_View.updataNameList(0, list)
        macroNames = list
    }
    function hasFile(name) {
        return ui_View.loadMacroIni(name).length > 0
    }
    function freeName() {
        return MacroNames.freeName(names(), hasFile)
    }
    function selectMacro(row) {
        stopRecordIfRunning()
        currentMacro = row
        loadActions()
    }
    function loadActions() {
        actionList.load([])
        if (currentMacro < 0)
            return
        var stored = ui_View.loadMacroIni(currentName())
        if (stored.length === 0)
            return
        actionList.load(stored.slice(0, -1))
        timesField.textValue = String(MacroCode.repeatCount(stored[stored.length - 1]))
    }
    function newMacro() {
        var name = freeName()
        if (name === "")
            return
        stopRecordIfRunning()
        macroList.append({ name: name })
        currentMacro = macroList.count - 1
        ui_View.createMacroIni(name, 0)
        loadActions()
        publishNames()
    }
    function deleteCurrentMacro() {
        if (currentMacro < 0)
            return
        stopRecordIfRunning()
        var name = currentName()
        var row = currentMacro
        ui_View.deleteMacroIni(name)
        actionList.load([])
        deleteMacro(name)
        macroList.remove(row)
        currentMacro = Math.min(row, macroList.count - 1)
        loadActions()
        publishNames()
    }
    function importMacro() {
        var name = freeName()
        if (name === "")
            return
        stopRecordIfRunning()
        var row = currentMacro >= 0 ? currentMacro : macroList.count
        macroList.insert(row, { name: name })
        if (!ui_View.loadMacroFile(name))
            ui_View.createMacroIni(name, 0)
        currentMacro = row
        loadActions()
        publishNames()
    }
    function exportMacro() {
        if (currentMacro >= 0)
            ui_View.saveMacroFile(currentName())
    }
    function startRename(row) {
        macroEditorFocus()
        renameRow = row
    }
    // The rename itself happens in answer to modifyMacroName (the profiles
    // and the file); the list follows only when the file did move, so a
    // refused rename leaves the old name everywhere.
    function finishRename(row, text) {
        if (row < 0 || renameRow !== row)
            return
        renameRow = -1
        var oldName = macroList.get(row).name
        var newName = String(text)
        if (newName.trim() === "" || names().indexOf(newName) >= 0)
            return
        modifyMacroName(oldName, newName)
        if (hasFile(oldName) || !hasFile(newName)) {
            console.warn("macro editor: macro", oldName, "was not renamed to", newName)
            return
        }
        macroList.setProperty(row, "name", newName)
        publishNames()
    }

    // ---- actions ----

    function repeatValue() {
        return MacroCode.repeatCount(timesField.textValue)
    }
    function autoSave() {
        if (currentMacro < 0)
            return
        ui_View.saveMacroIni(currentName(), actionList.texts(), repeatValue())
        modifyMacroData(currentName())
    }
    function keyName(code) {
        return keyTable.keycodeTostr(code)
    }
    function deleteAction() {
        if (actionList.removeCurrent())
            autoSave()
    }
    function insertDelay() {
        if (currentMacro >= 0 && actionList.insertDelay())
            autoSave()
    }
    function insertMouseKey(code) {
        if (currentMacro >= 0 && actionList.insertMouseKey(keyName(code)))
            autoSave()
    }
    function openInsertKey() {
        if (currentMacro < 0 || !actionList.canAdd())
            return
        insertKey.visible = true
        isInsertting = true
    }
    function closeInsertKey() {
        insertKey.visible = false
        isInsertting = false
    }
    // A field with no key adds nothing: a press of code 0 would play as no
    // key at all.
    function confirmInsertKey() {
        closeInsertKey()
        var name = insertKey.keyName
        if (name !== "" && currentMacro >= 0 && actionList.insertKey(name))
            autoSave()
    }
    function detectInput(isDown, usbCode) {
        if (!isInsertting || currentMacro < 0 || Number(usbCode) >= MacroCode.MouseCodeBase)
            return
        var name = keyName(usbCode)
        if (name !== "")
            insertKey.keyName = name
    }
    function startDelayEdit(row) {
        if (actionList.get(row).type !== MacroCode.Delay)
            return
        macroEditorFocus()
        currentAction = row
        delayEditRow = row
    }
    function finishDelayEdit(row, text) {
        if (row < 0 || delayEditRow !== row)
            return
        delayEditRow = -1
        actionList.setDelay(row, text)
        autoSave()
    }

    // ---- recording ----

    function toggleRecord() {
        if (isInputting)
            stopRecord()
        else
            startRecord()
    }
    function startRecord() {
        if (currentMacro < 0 || isInputting)
            return
        macroEditorFocus()
        actionList.load([])
        recordCounter = 0
        recordTimer.start()
        isInputting = true
    }
    function stopRecord() {
        recordTimer.stop()
        isInputting = false
        autoSave()
    }
    // Recording belongs to the macro it started in: another choice in the
    // library ends it first, so what was recorded is kept.
    function stopRecordIfRunning() {
        if (isInputting)
            stopRecord()
    }
    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || currentMacro < 0)
            return
        var name = keyName(usbCode)
        if (name === "")
            return
        if (!actionList.record(isDown, usbCode, name, delayBox.isSelect, recordCounter * MacroCode.UnitMs))
            return
        recordCounter = 0
        actionView.showEnd()
    }

    // ---- payload ----

    // The payload of `modelParam` (a ListModel or an array of actions);
    // the repeat count is the "Times" shown unless one is given.
    function deCode(modelParam, repeat) {
        var count = repeat === undefined ? repeatValue() : repeat
        return MacroCode.deCode(modelParam, count, function (name) { return keyTable.strTokeycode(name) })
    }
    // Sends the stored macro `name` into device slot `slot` with its own
    // repeat count. A macro without a file sends nothing.
    function sendMacro(slot, name) {
        var stored = ui_View.loadMacroIni(name)
        if (stored.length === 0) {
            console.warn("macro editor: no macro", name, "to send into slot", slot)
            return
        }
        var actions = []
        for (var i = 0; i < stored.length - 1; ++i)
            actions.push(MacroCode.parseAction(stored[i]))
        ui_View.mouseSendMacroData(deCode(actions, stored[stored.length - 1]), slot)
    }

    // ---- menus ----

    function macroMenuRows() {
        var some = currentMacro >= 0
        return [{ text: lang(10), enabled: some },
                { text: lang(11), enabled: macroList.count < MacroNames.MaxMacros },
                { text: lang(12), enabled: some }]
    }
    function actionMenuRows() {
        var room = currentMacro >= 0 && actionList.canAdd()
        return [{ text: lang(10), enabled: currentAction >= 0 },
                { text: lang(13), enabled: room },
                { text: lang(14), enabled: room },
                { text: lang(15), enabled: room },
                { text: lang(16), enabled: room },
                { text: lang(17), enabled: room }]
    }
    // `byKey`: opened from the keyboard, which the menu takes and gives
    // back to the list.
    function openMacroMenu(row, px, py, byKey) {
        macroEditorFocus()
        if (row >= 0)
            selectMacro(row)
        var p = macroView.mapToItem(editor, px, py)
        macroMenu.popup(p.x, p.y, macroMenuRows(), byKey ? macroView : null)
    }
    function openActionMenu(row, px, py, byKey) {
        macroEditorFocus()
        if (currentMacro < 0)
            return
        currentAction = row
        var p = actionView.mapToItem(editor, px, py)
        actionMenu.popup(p.x, p.y, actionMenuRows(), byKey ? actionView : null)
    }

    objectName: "macroEditor"
    width: 640
    height: 448
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    Accessible.role: Accessible.Dialog
    Accessible.name: lang(0)

    KeyCodeString { id: ownKeyTable }
    Timer {
        id: ownClock
        interval: 10
        repeat: true
    }
    Connections {
        target: editor.recordTimer
        function onTriggered() { editor.recordCounter++ }
    }
    ListModel { id: macroList }
    ActionModel { id: actionList }

    DialogTitle {
        title: editor.lang(0)
        onCloseClicked: editor.close()
    }

    ThemedText {
        x: 16
        y: 44
        text: editor.lang(1)
    }
    RowList {
        id: macroView
        objectName: "macroList"
        x: 16
        y: 68
        width: 168
        height: 328
        model: macroList
        currentRow: editor.currentMacro
        Accessible.name: editor.lang(1)
        onRowChosen: function (row) { editor.selectMacro(row) }
        onRowActivated: function (row) { editor.startRename(row) }
        delegate: MacroRow {
            isCurrent: index === editor.currentMacro
            isEditing: index >= 0 && index === editor.renameRow
            onClicked: function (row) { editor.selectMacro(row) }
            onDoubleClicked: function (row) { editor.startRename(row) }
            onEditFinished: function (row, text) { editor.finishRename(row, text) }
        }
        onMenuRequested: function (row, px, py, byKey) { editor.openMacroMenu(row, px, py, byKey) }
    }
    TextButton {
        objectName: "newButton"
        x: 16
        y: 408
        textValue: editor.lang(2)
        onClicked: editor.newMacro()
    }
    TextButton {
        objectName: "deleteButton"
        x: 120
        y: 408
        textValue: editor.lang(3)
        onClicked: editor.deleteCurrentMacro()
    }

    ThemedText {
        x: 200
        y: 44
        text: editor.lang(4)
    }
    RowList {
        id: actionView
        objectName: "actionList"
        x: 200
        y: 68
        width: 424
        height: 328
        model: actionList
        currentRow: editor.currentAction
        Accessible.name: editor.lang(4)
        onRowChosen: function (row) { editor.currentAction = row }
        onRowActivated: function (row) { editor.startDelayEdit(row) }
        delegate: ActionRow {
            isCurrent: index === editor.currentAction
            isEditing: index >= 0 && index === editor.delayEditRow
            onClicked: function (row) { editor.currentAction = row }
            onDoubleClicked: function (row) { editor.startDelayEdit(row) }
            onEditFinished: function (row, text) { editor.finishDelayEdit(row, text) }
        }
        onMenuRequested: function (row, px, py, byKey) { editor.openActionMenu(row, px, py, byKey) }
    }
    TextButton {
        objectName: "recordButton"
        x: 200
        y: 408
        width: 100
        enabled: editor.currentMacro >= 0
        opacity: enabled ? 1 : 0.5
        bgColor: editor.isInputting ? Theme.colorOrange : Theme.colorBlue
        textValue: editor.isInputting ? editor.lang(5) : editor.lang(8)
        onClicked: editor.toggleRecord()
    }
    ThemedText {
        id: timesLabel
        x: 320
        y: 408
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: editor.lang(6)
    }
    RectInput {
        id: timesField
        objectName: "timesField"
        x: timesLabel.x + timesLabel.width + 8
        y: 410
        minValue: 1
        maxValue: MacroCode.MaxRepeat
        textValue: "1"
        txtInput.maximumLength: 5
        Accessible.role: Accessible.EditableText
        Accessible.name: editor.lang(6)
        onEndInputSignal: editor.autoSave()
    }
    CheckBox {
        id: delayBox
        objectName: "delayBox"
        x: timesField.x + timesField.width + 24
        y: 414
        textValue: editor.lang(9)
        isSelect: true
        Accessible.role: Accessible.CheckBox
        Accessible.name: textValue
        Accessible.checkable: true
        Accessible.checked: isSelect
    }

    ContextMenu {
        id: macroMenu
        objectName: "macroMenu"
        onChosen: function (index) {
            if (index === 0)
                editor.deleteCurrentMacro()
            else if (index === 1)
                editor.importMacro()
            else
                editor.exportMacro()
        }
    }
    ContextMenu {
        id: actionMenu
        objectName: "actionMenu"
        readonly property var mouseCodes: [0xF0, 0xF2, 0xF1]   // left, middle, right
        onChosen: function (index) {
            if (index === 0)
                editor.deleteAction()
            else if (index === 1)
                editor.insertDelay()
            else if (index === 2)
                editor.openInsertKey()
            else
                editor.insertMouseKey(mouseCodes[index - 3])
        }
    }
    InsertKeyDialog {
        id: insertKey
        objectName: "insertKey"
        title: editor.lang(14)
        okText: editor.lang(7)
        onAccepted: editor.confirmInsertKey()
        onCanceled: editor.closeInsertKey()
    }

    // Sees every press first and lets it through, so that a press outside
    // an in-place edit or a menu ends it.
    MouseArea {
        anchors.fill: parent
        z: 100
        acceptedButtons: Qt.AllButtons
        onPressed: function (mouse) {
            editor.pressAt(mouse.x, mouse.y)
            mouse.accepted = false
        }
    }
}
