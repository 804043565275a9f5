import QtQuick
import "../basic"
import "../controls"
import "keys"
import "../logic/keyassign.js" as KeyAssign

// The key-assignment dialog for one button. Every choice replaces the
// dialog's current assignment at once; the button list takes it when the
// dialog closes. Keys for the fire and combination fields come from the
// keyboard hook (the main screen routes msg_KB here while a field waits).
Rectangle {
    id: dialog

    // read from the main screen
    property bool isGun: true
    property var keyTable
    // the button list: entry(i), referenceEntry(i), setEntry(i, codes, text)
    property var buttonList
    property var keyAssigmentLang: KeyAssign.defaultLabels.slice()

    // waiting for a key from the hook; a wait outlives closing the dialog
    property bool isFireInput: false
    property bool isComboInput: false
    property alias macroList: macroDrop

    // the button being edited and its assignment as chosen so far
    property int keyIndex: -1
    property var currentCodes: [0, 0, 0, 0]
    property string currentText
    property int playMode: 0
    property var comboState: KeyAssign.comboStart()
    property string fireText: keyAssigmentLang[KeyAssign.Label.clickInput]
    property string comboText: keyAssigmentLang[KeyAssign.Label.clickInput]
    property int fireRate: KeyAssign.defaultRate

    signal closed()
    signal openMacroEditor()
    // a macro assigned to a button goes into the button's slot at once
    signal sendMacro(int slot, string name)

    function open() {
        visible = true
    }
    function show(index) {
        var entry = buttonList.entry(index)
        keyIndex = index
        currentCodes = entry.codes.slice()
        currentText = entry.text
    }
    function init() {
        macroDrop.closeMenu()
        for (var i = 0; i < grids.length; ++i)
            grids[i].fill()
    }
    function keyName(code) {
        return keyTable ? keyTable.keycodeTostr(code) : ""
    }
    function macroNameOf(slot) {
        return ui_View.getData("mouseMacroKey/" + slot, false)
    }
    function keyCodeToString(code0, code1, code2, code3) {
        return KeyAssign.describe([Number(code0), Number(code1), Number(code2), Number(code3)],
                                  keyAssigmentLang, keyName, macroNameOf)
    }
    function choose(codes, text) {
        currentCodes = codes
        currentText = text
    }
    function isCurrentKind(kind) {
        return currentCodes[0] === kind
    }
    function withCode(position, value) {
        var codes = currentCodes.slice()
        codes[position] = value
        return codes
    }
    function detectKeyboard(isDown, usbCode, target) {
        var code = Number(usbCode)
        if (target === 0 && isFireInput) {
            // the first event counts, press or release
            isFireInput = false
            fireText = keyName(code)
            choose(KeyAssign.fireCodes(code, fireRate, Number(timesInput.textValue)), fireText)
        } else if (target === 1 && isComboInput && isDown) {
            comboState = KeyAssign.comboPress(comboState, code, keyName(code))
            comboText = KeyAssign.comboText(comboState)
        }
    }
    function armFire() {
        isFireInput = true
    }
    function armCombo() {
        comboState = KeyAssign.comboStart()
        comboText = ""
        isComboInput = true
    }
    function confirmCombo() {
        isComboInput = false
        if (comboText === "") {
            comboText = keyAssigmentLang[KeyAssign.Label.clickInput]
            return
        }
        choose(KeyAssign.comboCodes(comboState), comboText)
    }
    function cancelCombo() {
        isComboInput = false
        comboText = keyAssigmentLang[KeyAssign.Label.clickInput]
    }
    function setRate(rate) {
        fireRate = rate
        rateDrop.textValue = KeyAssign.rateText(rate)
        if (isCurrentKind(KeyAssign.Kind.Fire))
            currentCodes = withCode(2, rate)
    }
    function endTimes() {
        var times = Number(timesInput.textValue)
        endness.isSelect = times === 0
        if (isCurrentKind(KeyAssign.Kind.Fire))
            currentCodes = withCode(3, times)
    }
    // Called before the box toggles: `wasTicked` is the state clicked on.
    function tickEndness(wasTicked) {
        if (wasTicked)
            return
        timesInput.textValue = "0"
        if (isCurrentKind(KeyAssign.Kind.Fire))
            currentCodes = withCode(3, 0)
    }
    function chooseMacro(row) {
        var name = String(macroDrop.mdItems.get(row).textValue)
        choose(KeyAssign.macroCodes(playMode, keyIndex), name)
    }
    function choosePlayMode(mode) {
        playMode = mode
        if (isCurrentKind(KeyAssign.Kind.Macro))
            currentCodes = withCode(1, mode)
    }
    function close() {
        visible = false
        var entry = buttonList.entry(keyIndex)
        if (!KeyAssign.sameCodes(entry.codes, currentCodes)) {
            buttonList.setEntry(keyIndex, currentCodes, currentText)
            if (isCurrentKind(KeyAssign.Kind.Macro)) {
                sendMacro(currentCodes[2], currentText)
                ui_View.setData("mouseMacroKey/" + currentCodes[2], currentText)
            }
        }
        dropFocus()
        closed()
    }
    function restore() {
        var reference = buttonList.referenceEntry(keyIndex)
        if (reference.text === currentText)
            return
        choose(reference.codes.slice(), reference.text)
        buttonList.setEntry(keyIndex, currentCodes, currentText)
    }
    // Scrolls the page the least that shows contentItem rows top to bottom,
    // with `spare` pixels beside them.
    function scrollToShow(top, bottom, spare) {
        if (top < page.contentY)
            page.contentY = Math.max(0, top - spare)
        else if (bottom > page.contentY + page.height)
            page.contentY = Math.min(page.contentHeight - page.height, bottom - page.height + spare)
    }
    // A drop-down that opens near the bottom of the page would unfold out of
    // sight: scroll the page so that its whole list shows.
    function reveal(drop) {
        var top = drop.mapToItem(page.contentItem, 0, 0).y
        scrollToShow(top, top + drop.height + drop.unfolding.openHeight, 0)
    }
    // Tab and the arrows reach controls outside the page's visible part:
    // the page scrolls to keep the keyboard's place in sight.
    readonly property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: keepInView(focusedItem)
    function keepInView(item) {
        var inPage = item
        while (inPage && inPage !== page.contentItem)
            inPage = inPage.parent
        if (!inPage)
            return
        var top = item.mapToItem(page.contentItem, 0, 0).y
        scrollToShow(top, top + item.height, margin)
    }
    function dropFocus() {
        timesInput.closeFocus()
        macroDrop.closeMenu()
        rateDrop.closeMenu()
        for (var i = 0; i < grids.length; ++i)
            grids[i].closeMenu()
        dialog.forceActiveFocus()
    }

    readonly property var grids: [mediaGrid, windowsGrid, shortcutGrid]
    Component.onCompleted: {
        for (const drop of grids.concat([macroDrop, rateDrop]))
            drop.isDropChanged.connect(function () { if (drop.isDrop) dialog.reveal(drop) })
    }
    readonly property int margin: 16
    readonly property var lang: keyAssigmentLang

    width: 416
    height: 404
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    onKeyAssigmentLangChanged: {
        if (!isFireInput && fireText === KeyAssign.defaultLabels[KeyAssign.Label.clickInput])
            fireText = keyAssigmentLang[KeyAssign.Label.clickInput]
        if (!isComboInput && comboText === KeyAssign.defaultLabels[KeyAssign.Label.clickInput])
            comboText = keyAssigmentLang[KeyAssign.Label.clickInput]
    }

    DialogTitle {
        title: dialog.lang[KeyAssign.Label.keyTitle] + (dialog.keyIndex + 1) + " : " + dialog.currentText
        hasRestore: true
        onCloseClicked: dialog.close()
        onRestoreClicked: dialog.restore()
    }

    Flickable {
        id: page
        objectName: "page"
        y: 40
        width: parent.width
        height: 360
        contentHeight: 830
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: groups
            x: dialog.margin
            width: dialog.width - 2 * dialog.margin
            spacing: 8

            GroupTitle { text: dialog.lang[KeyAssign.Label.mouseGroup] }
            ChoiceRadios {
                objectName: "mouseRadios"
                choices: KeyAssign.choicesOf("mouse")
                labels: dialog.lang
                current: dialog.currentCodes
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.fireGroup] }
            Row {
                z: rateDrop.z
                spacing: 8
                ThemedText { width: 64; height: 24; verticalAlignment: Text.AlignVCenter; text: dialog.lang[KeyAssign.Label.keyValue] }
                InputBox {
                    objectName: "fireField"
                    width: 112
                    textValue: dialog.fireText
                    isArmed: dialog.isFireInput
                    onClicked: dialog.armFire()
                }
                ThemedText { width: 40; height: 24; verticalAlignment: Text.AlignVCenter; horizontalAlignment: Text.AlignRight; text: dialog.lang[KeyAssign.Label.rate] }
                DropDownSlider {
                    id: rateDrop
                    objectName: "rateDrop"
                    // knob positions 3 to 79: 4 to 80 ms
                    width: 110
                    textValue: KeyAssign.defaultRate + "ms"
                    onValueChange: function (position) { dialog.setRate(KeyAssign.rateOfPosition(position)) }
                    Component.onCompleted: sliderControl.setValue(KeyAssign.positionOfRate(KeyAssign.defaultRate))
                }
            }
            Row {
                spacing: 8
                ThemedText { width: 64; height: 24; verticalAlignment: Text.AlignVCenter; text: dialog.lang[KeyAssign.Label.times] }
                RectInput {
                    id: timesInput
                    objectName: "timesInput"
                    anchors.verticalCenter: parent.verticalCenter
                    Accessible.role: Accessible.EditableText
                    Accessible.name: dialog.lang[KeyAssign.Label.times]
                    onEndInputSignal: dialog.endTimes()
                }
                Item { width: 16; height: 1 }
                CheckBox {
                    id: endness
                    objectName: "endness"
                    anchors.verticalCenter: parent.verticalCenter
                    textValue: dialog.lang[KeyAssign.Label.endness]
                    isSelect: true
                    Accessible.role: Accessible.CheckBox
                    Accessible.name: textValue
                    Accessible.checked: isSelect
                    onBtnClick: dialog.tickEndness(isSelect)
                }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.comboGroup] }
            InputBox {
                objectName: "comboField"
                width: 240
                textValue: dialog.comboText
                isArmed: dialog.isComboInput
                onClicked: dialog.armCombo()
                Row {
                    anchors.right: parent.right
                    anchors.rightMargin: 2
                    anchors.verticalCenter: parent.verticalCenter
                    visible: dialog.isComboInput
                    MarkButton { objectName: "comboConfirm"; mark: "check"; name: "Confirm"; onClicked: dialog.confirmCombo() }
                    MarkButton { objectName: "comboCancel"; mark: "cross"; name: "Cancel"; onClicked: dialog.cancelCombo() }
                }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.mediaGroup] }
            ChoiceGrid {
                id: mediaGrid
                objectName: "mediaGrid"
                choices: KeyAssign.choicesOf("media")
                labels: dialog.lang
                current: dialog.currentCodes
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.macroGroup] }
            Row {
                // an open list hangs over the play modes below
                z: macroDrop.z
                spacing: 16
                DropDownList {
                    id: macroDrop
                    objectName: "macroList"
                    width: 160
                    currentSelect: 0
                    // the macro editor hands over its names, in its order
                    function addData(names) {
                        if (!names || names.length === undefined)
                            names = []
                        mdItems.clear()
                        for (var i = 0; i < names.length; ++i)
                            mdItems.append({ "textValue": String(names[i]) })
                        textValue = names.length > 0 && currentSelect < names.length && currentSelect >= 0
                                ? String(names[currentSelect]) : ""
                    }
                    onValueChange: function (row) { dialog.chooseMacro(row) }
                }
                TextButton {
                    objectName: "macroEditorButton"
                    width: 112
                    textValue: dialog.lang[KeyAssign.Label.macroEditor]
                    onClicked: dialog.openMacroEditor()
                }
            }
            Repeater {
                model: 3
                // the radio's own `index` hides the delegate's: the mode is modelData
                delegate: RadioButton {
                    objectName: "playMode_" + modelData
                    group: "playMode"
                    index: modelData
                    textValue: dialog.lang[KeyAssign.Label.firstPlayMode + modelData]
                    fontSize: Theme.fontMinSize
                    isSelect: dialog.playMode === modelData
                    Accessible.role: Accessible.RadioButton
                    Accessible.name: textValue
                    Accessible.checked: isSelect
                    onBtnClick: function (mode) {
                        dialog.choosePlayMode(mode)
                        isSelect = Qt.binding(function () { return dialog.playMode === mode })
                    }
                }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.dpiGroup] }
            ChoiceRadios {
                objectName: "dpiRadios"
                choices: KeyAssign.choicesOf("dpi")
                labels: dialog.lang
                current: dialog.currentCodes
                columnWidth: 96
                columns: 4
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }

            GroupTitle { text: dialog.lang[KeyAssign.Label.windowsGroup] }
            ChoiceGrid {
                id: windowsGrid
                objectName: "windowsGrid"
                choices: KeyAssign.choicesOf("windows")
                labels: dialog.lang
                current: dialog.currentCodes
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }
            GroupTitle { text: dialog.lang[KeyAssign.Label.shortcutGroup] }
            ChoiceGrid {
                id: shortcutGrid
                objectName: "shortcutGrid"
                choices: KeyAssign.choicesOf("shortcut")
                labels: dialog.lang
                current: dialog.currentCodes
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }

            GroupTitle { visible: dialog.isGun; text: dialog.lang[KeyAssign.Label.gunGroup] }
            ChoiceRadios {
                objectName: "gunRadios"
                visible: dialog.isGun
                choices: KeyAssign.choicesOf("gun")
                labels: dialog.lang
                current: dialog.currentCodes
                onChosen: function (codes, text) { dialog.choose(codes, text) }
            }
        }
    }
}
