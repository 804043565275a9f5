import QtQuick
import "../basic"
import "../controls"
import "perf"
import "../logic/pointerspeed.js" as PointerSpeed

// The system-setting dialog: the desktop's pointer speed, double-click speed
// and wheel scroll lines. Every change is stored and applied at once.
Rectangle {
    id: dialog

    property var systemSettingLang: ["System Setting", "Mouse Speed", "Double Click Speed", "Slow", "Fast",
                                     "Scroll Speed", "Number of Rows", "Scroll one Screen"]
    property bool oneScreen: false

    signal closed()

    function text(i) {
        return systemSettingLang[i] || ""
    }

    function open() {
        visible = true
    }
    function close() {
        systemSettingFocus()
        visible = false
        closed()
    }
    function systemSettingFocus() {
        rowsInput.closeFocus()
    }

    function init(isSendData, isRecovery) {
        speedSlider.setValue(PointerSpeed.knobPosition(ui_View.getData("mouse/mouseRate", isRecovery)))
        doubleSlider.setValue(PointerSpeed.knobPosition(ui_View.getData("mouse/doubleRate", isRecovery)))
        var choice = PointerSpeed.scrollChoice(ui_View.getData("mouse/scrollRate", isRecovery))
        oneScreen = choice.oneScreen
        if (!choice.oneScreen)
            rowsInput.textValue = String(choice.rows)
        if (isSendData)
            saveData(true, 0)
    }

    // All three keys are written whatever changed; `step` picks what is
    // applied: 0 all, 1 pointer speed, 2 double-click speed, 3 scroll lines.
    function saveData(isSendData, step) {
        var speedPosition = Math.floor(speedSlider.knobX)
        var doublePosition = Math.floor(doubleSlider.knobX)
        var lines = oneScreen ? PointerSpeed.ONE_SCREEN : PointerSpeed.rowsOf(rowsInput.textValue)
        ui_View.setData("mouse/mouseRate", speedPosition)
        ui_View.setData("mouse/doubleRate", doublePosition)
        ui_View.setData("mouse/scrollRate", lines)
        if (!isSendData)
            return
        if (step === 0 || step === 1)
            ui_View.mouseSetCursorSpeed(PointerSpeed.speedIndex(speedPosition))
        if (step === 0 || step === 2)
            ui_View.mouseSetDoubleClickSpeed(PointerSpeed.speedIndex(doublePosition))
        if (step === 0 || step === 3)
            ui_View.mouseSetVerticalScrollLines(lines)
    }

    // A radio button selects itself when clicked; the other is cleared here.
    function chooseScroll(isOneScreen) {
        oneScreen = isOneScreen
        saveData(true, 3)
    }
    function showScrollChoice() {
        rowsRadio.isSelect = !oneScreen
        screenRadio.isSelect = oneScreen
    }

    function closeMainMenus() {
        if (typeof root !== "undefined" && root && typeof root.mainFocus === "function")
            root.mainFocus()
    }

    width: 416
    height: 312
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1
    radius: 4

    onOneScreenChanged: showScrollChoice()
    Component.onCompleted: showScrollChoice()

    // A press on an empty part ends the rows input; the press goes on to
    // whatever lies below (the main screen drags dialogs by such presses).
    MouseArea {
        anchors.fill: parent
        onPressed: function (mouse) {
            dialog.systemSettingFocus()
            mouse.accepted = false
        }
    }

    DialogTitle {
        title: dialog.text(0)
        hasRestore: true
        onRestoreClicked: dialog.init(true, true)
        onCloseClicked: dialog.close()

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.colorGray1
        }
    }

    Column {
        x: 32
        y: 60
        spacing: 20

        SpeedRow {
            title: dialog.text(1)
            icon: Theme.skinImage("mouseRate", "mouseRate.png")
            slow: dialog.text(3)
            fast: dialog.text(4)
            SliderButton {
                id: speedSlider
                objectName: "speedSlider"
                width: 352
                stepFrom: function (position, direction) { return PointerSpeed.neighbourPosition(position, direction) }
                Accessible.role: Accessible.Slider
                Accessible.name: dialog.text(1)
                onValueChangeDelay: dialog.saveData(true, 1)
            }
        }
        SpeedRow {
            title: dialog.text(2)
            icon: Theme.skinImage("mouseRate", "mouseRate.png")
            slow: dialog.text(3)
            fast: dialog.text(4)
            SliderButton {
                id: doubleSlider
                objectName: "doubleSlider"
                width: 352
                stepFrom: function (position, direction) { return PointerSpeed.neighbourPosition(position, direction) }
                Accessible.role: Accessible.Slider
                Accessible.name: dialog.text(2)
                onValueChangeDelay: dialog.saveData(true, 2)
            }
        }

        Row {
            spacing: 8
            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: Theme.skinImage("scrollRate", "scrollRate.png")
            }
            ThemedText {
                text: dialog.text(5)
            }
        }
        Row {
            spacing: 16
            height: 24
            RadioButton {
                id: rowsRadio
                objectName: "rowsRadio"
                group: "scroll"
                anchors.verticalCenter: parent.verticalCenter
                textValue: dialog.text(6)
                Accessible.role: Accessible.RadioButton
                Accessible.name: textValue
                Accessible.checkable: true
                Accessible.checked: isSelect
                onBtnClick: dialog.chooseScroll(false)
            }
            RectInput {
                id: rowsInput
                objectName: "rowsInput"
                anchors.verticalCenter: parent.verticalCenter
                minValue: PointerSpeed.MIN_ROWS
                maxValue: PointerSpeed.MAX_ROWS
                textValue: "1"
                txtInput.maximumLength: 3
                Accessible.role: Accessible.EditableText
                Accessible.name: dialog.text(6)
                onInputSignal: dialog.closeMainMenus()
                onEndInputSignal: {
                    textValue = String(PointerSpeed.rowsOf(textValue))
                    dialog.saveData(true, 3)
                }
            }
            RadioButton {
                id: screenRadio
                objectName: "screenRadio"
                group: "scroll"
                anchors.verticalCenter: parent.verticalCenter
                textValue: dialog.text(7)
                Accessible.role: Accessible.RadioButton
                Accessible.name: textValue
                Accessible.checkable: true
                Accessible.checked: isSelect
                onBtnClick: dialog.chooseScroll(true)
            }
        }
    }
}
