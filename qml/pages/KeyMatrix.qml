import QtQuick
import "../basic"
import "../controls"
import "keys"
import "../logic/keyassign.js" as KeyAssign

// The button list: what each button does, as the working list the user
// edits (sent on Save) and the reference list read from the factory
// profile (what the restore marks put back).
Rectangle {
    id: keyMatrix

    property bool isSave: false
    property int keyCount: 8
    property bool isGun: true
    property var keyTable
    property var keyMatrixLang: ["Key ", "Key Function"]
    // texts of the assignment dialog's language section
    property var assignmentLabels: KeyAssign.defaultLabels
    // the periods in ms of the guns on gun slots 1, 2 and 3
    property var gunPeriods: [10, 10, 10]
    // the selected button (shared with the picture and the dialog)
    property int selectKey: -1

    // sixteen entries each: { codes: [kind, code1, code2, code3], text }
    property var workList: []
    property var refList: []

    signal enterBtn(int index)
    signal leaveBtn(int index)
    signal clickBtn(int index)
    // a macro restored onto a button, or edited while a button holds it,
    // goes into the button's slot at once
    signal sendMacro(int slot, string name)

    function keyName(code) {
        return keyTable ? keyTable.keycodeTostr(code) : ""
    }
    function describe(codes, isRecovery) {
        return KeyAssign.describe(codes, assignmentLabels, keyName, function (slot) {
            return ui_View.getData("mouseMacroKey/" + slot, isRecovery)
        })
    }
    function makeEntries(codeLists, isRecovery) {
        var out = []
        for (var i = 0; i < codeLists.length; ++i)
            out.push({ "codes": codeLists[i], "text": describe(codeLists[i], isRecovery) })
        return out
    }
    function init(isSendData, isRecovery) {
        var work = []
        var ref = []
        for (var i = 0; i < KeyAssign.buttonCount; ++i) {
            work.push(KeyAssign.toCodes(ui_View.mouseGetKeydefine(i, isRecovery)))
            ref.push(KeyAssign.toCodes(ui_View.mouseGetKeydefine(i, true)))
        }
        workList = makeEntries(work, isRecovery)
        // a factory macro is named by the factory profile
        refList = makeEntries(ref, true)
        if (isSendData)
            saveData()
    }
    function codesOf(list) {
        return list.map(function (e) { return e.codes })
    }
    function saveData() {
        var periods = []
        for (var i = 0; i < 3; ++i) {
            var period = gunPeriods && gunPeriods.length > i ? Number(gunPeriods[i]) : 0
            periods.push(isFinite(period) ? period : 0)
        }
        ui_View.mouseSetKeyMatrix(KeyAssign.flatten(codesOf(workList)), true, periods)
    }
    function checkOneLeftKey() {
        return KeyAssign.onlyLeftButton(codesOf(workList))
    }
    function copyEntry(e) {
        return { "codes": e.codes.slice(), "text": e.text }
    }
    function entry(index) {
        return copyEntry(workList[index])
    }
    function referenceEntry(index) {
        return copyEntry(refList[index])
    }
    function setEntry(index, codes, text) {
        var list = workList.slice()
        list[index] = { "codes": codes.slice(), "text": text }
        workList = list
        isSave = true
    }
    function restoreAll() {
        workList = refList.map(copyEntry)
        for (var i = 0; i < refList.length; ++i) {
            var e = refList[i]
            if (e.codes[0] !== KeyAssign.Kind.Macro)
                continue
            var slot = e.codes[2]
            // a factory slot without a macro name has nothing to send
            if (e.text !== "")
                sendMacro(slot, e.text)
            ui_View.setData("mouseMacroKey/" + slot, e.text)
        }
        isSave = true
    }
    // Upkeep when the macro editor changes its library. `slotsHolding` lists
    // the buttons whose macro slot is stored under that name.
    function slotsHolding(name) {
        var out = []
        for (var i = 0; i < workList.length; ++i) {
            var c = workList[i].codes
            if (c[0] === KeyAssign.Kind.Macro && String(ui_View.getData("mouseMacroKey/" + c[2], false)) === name)
                out.push(i)
        }
        return out
    }
    function macroDeleted(name) {
        var buttons = slotsHolding(name)
        if (buttons.length > 0) {
            var list = workList.slice()
            for (var i = 0; i < buttons.length; ++i)
                list[buttons[i]] = copyEntry(refList[buttons[i]])
            workList = list
            saveData()
        }
        ui_View.deleteMacroUpdateProfile(name)
    }
    function renameButtons(buttons, name) {
        var list = workList.slice()
        for (var i = 0; i < buttons.length; ++i) {
            var b = buttons[i]
            ui_View.setData("mouseMacroKey/" + list[b].codes[2], name)
            list[b] = { "codes": list[b].codes, "text": name }
        }
        workList = list
    }
    function macroRenamed(oldName, newName) {
        var buttons = slotsHolding(oldName)
        renameButtons(buttons, newName)
        // the store refuses a rename it cannot carry out in every profile
        if (!ui_View.modifyMacroNameUpdateProfile(oldName, newName))
            renameButtons(buttons, oldName)
    }
    function macroEdited(name) {
        var buttons = slotsHolding(name)
        for (var i = 0; i < buttons.length; ++i)
            sendMacro(buttons[i], name)
    }
    // Texts again from the codes: labels, key names or stored macro names
    // have changed.
    function refreshTexts() {
        workList = makeEntries(codesOf(workList), false)
        refList = makeEntries(codesOf(refList), true)
    }
    function rowLabel(index) {
        return keyMatrixLang[0] + " " + (index + 1)
    }

    readonly property int rowHeight: 24
    readonly property int rowSpacing: 2

    width: 232
    height: 40 + rowHeight * keyCount + rowSpacing * (keyCount - 1) + 8
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    Component.onCompleted: {
        var defaults = KeyAssign.defaultEntries()
        workList = makeEntries(defaults, false)
        refList = makeEntries(KeyAssign.defaultEntries(), true)
    }
    onAssignmentLabelsChanged: refreshTexts()
    onKeyTableChanged: refreshTexts()

    ThemedText {
        x: 8
        height: 40
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.fontMiddleSize
        text: keyMatrix.keyMatrixLang[1]
    }
    IconButton {
        objectName: "restoreAll"
        anchors.right: parent.right
        anchors.rightMargin: 8
        y: 10
        name: "Restore"
        file: "restore.png"
        onClicked: keyMatrix.restoreAll()
    }
    Column {
        x: 8
        y: 40
        spacing: keyMatrix.rowSpacing
        Repeater {
            model: keyMatrix.keyCount
            delegate: Rectangle {
                id: rowItem
                objectName: "row_" + index
                readonly property string assignment: keyMatrix.workList.length > index ? keyMatrix.workList[index].text : ""
                width: 216
                height: keyMatrix.rowHeight
                color: area.containsMouse || keyMatrix.selectKey === index ? Theme.colorOrange : Theme.colorBlue
                border.color: activeFocus ? Theme.colorOrange : "transparent"
                activeFocusOnTab: true
                Keys.onSpacePressed: keyMatrix.clickBtn(index)
                Keys.onReturnPressed: keyMatrix.clickBtn(index)
                Accessible.role: Accessible.Button
                Accessible.name: label.text + " " + assignment
                Accessible.onPressAction: keyMatrix.clickBtn(index)
                ThemedText {
                    id: label
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: keyMatrix.rowLabel(index)
                }
                ThemedText {
                    x: 64
                    width: parent.width - x - 8
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: rowItem.assignment
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: keyMatrix.enterBtn(index)
                    onExited: keyMatrix.leaveBtn(index)
                    onClicked: keyMatrix.clickBtn(index)
                }
            }
        }
    }
}
