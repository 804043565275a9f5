import QtQuick
import "../basic"
import "../controls"
import "../logic/gunmath.js" as GunMath
import "../logic/listkeys.js" as ListKeys

// The gun editor: the recoil data of the six built-in guns and which gun
// each of the three gun slots uses. Every edit is written to the gun file at
// once; the mouse gets the slots (and the key list with the slot guns'
// periods) when the editor closes.
Rectangle {
    id: gunControl

    property var gunControlLang: ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis", "Y axis",
                                  "Fire adjust", "Rate", "Times", "Endness"]
    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    property bool isSave: false
    // The gun shown on the right.
    property int currentGun: 0
    // Periods in ms of the guns on slots 1, 2, 3, as the key list sends them.
    property var slotPeriods: periodsOfSlots()

    property ListModel gunNumberModel: ListModel {
        ListElement { name: "M416"; picture: "M416.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
        ListElement { name: "AKM"; picture: "AKM.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
        ListElement { name: "M16A4"; picture: "M16A4.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
        ListElement { name: "SCAR-L"; picture: "SCAR-L.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
        ListElement { name: "UNP9"; picture: "UNP9.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
        ListElement { name: "Thomson"; picture: "Thomson.png"; key: "L-Click"; period: "10"; x: "0"; y: "10"; times: "0" }
    }

    signal closed()
    // The key list must go out after the slots: the periods travel with it.
    signal sendKeyList()

    function text(i) {
        return gunControlLang[i] || ""
    }
    function gun(row) {
        return gunNumberModel.get(row)
    }
    function slotGun(slot) {
        return [selectGun1, selectGun2, selectGun3][slot]
    }
    function periodsOfSlots() {
        return [0, 1, 2].map(function (slot) {
            return GunMath.wholeOf(gun(slotGun(slot)).period, 0)
        })
    }

    function open() {
        visible = true
    }
    function close() {
        gunControlFocus()
        visible = false
        closed()
        if (!isSave)
            return
        isSave = false
        for (var slot = 0; slot < 3; ++slot)
            sendData(slot)
        sendKeyList()
    }
    // Ends the inputs (which stores what they hold) and folds the drop-downs.
    function gunControlFocus() {
        yInput.closeFocus()
        timesInput.closeFocus()
        slotList.closeMenu()
        rate.closeMenu()
    }

    function init() {
        labelSlots()
        for (var row = 0; row < gunNumberModel.count; ++row) {
            var read = GunMath.fromRecord(gun(row), ui_View.getGunData(row))
            if (read)
                gunNumberModel.set(row, read)
            else
                console.warn("gun", row, "has no complete record in the gun file; built-in values kept")
        }
        var slots = GunMath.slotsOf(ui_View.getGlobalData("mouse/selectGun"), gunNumberModel.count)
        setSlots(slots[0], slots[1], slots[2])
        slotList.currentSelect = 0
        loadGunData(selectGun1)
    }

    // Factory reset: slots 0, 1, 2 and the first three guns' pull and rate.
    function resetData() {
        setSlots(0, 1, 2)
        storeSlots()
        var pulls = ["5", "7", "8"]
        for (var row = 0; row < 3; ++row) {
            gunNumberModel.setProperty(row, "y", pulls[row])
            gunNumberModel.setProperty(row, "period", "9")
            saveData(row, false)
            sendData(row)
        }
        refreshPeriods()
        slotList.currentSelect = 0
        loadGunData(0)
    }

    function loadGunData(row) {
        currentGun = row
        var g = gun(row)
        xInput.textValue = g.x
        yInput.textValue = g.y
        dot.y = GunMath.dotOfY(g.y)
        rate.sliderControl.setValue(GunMath.knobOfPeriod(g.period))
        // The label names the stored period even when the knob had to stop
        // at a track end: that is the value the mouse gets.
        rate.textValue = GunMath.rateLabel(GunMath.wholeOf(g.period, 10))
        timesInput.textValue = g.times
        endness.isSelect = GunMath.isEndless(g.times)
    }

    // Slot 0, 1 or 2 to the mouse's gun slot 1, 2 or 3.
    function sendData(slot) {
        ui_View.mouseSendGundata(slot + 1, GunMath.slotValues(gun(slotGun(slot))))
    }

    function saveData(row, isAllSave) {
        var first = isAllSave ? 0 : row
        var last = isAllSave ? gunNumberModel.count - 1 : row
        for (var r = first; r <= last; ++r)
            ui_View.mouseSaveGundata(r, GunMath.record(gun(r)))
    }

    function setSlots(g1, g2, g3) {
        selectGun1 = g1
        selectGun2 = g2
        selectGun3 = g3
        refreshPeriods()
    }
    function storeSlots() {
        ui_View.setGlobalData("mouse/selectGun", [selectGun1, selectGun2, selectGun3])
    }
    function refreshPeriods() {
        slotPeriods = periodsOfSlots()
    }
    function labelSlots() {
        for (var slot = 0; slot < 3; ++slot)
            slotModel.setProperty(slot, "textValue", text(1) + (slot + 1))
    }

    function editGun(role, value) {
        gunNumberModel.setProperty(currentGun, role, String(value))
        saveData(currentGun, false)
        isSave = true
        if (role === "period")
            refreshPeriods()
    }

    // A gun row chosen in the list goes to the slot shown in "Select gun".
    function chooseGun(row) {
        var slots = [selectGun1, selectGun2, selectGun3]
        slots[slotList.currentSelect] = row
        setSlots(slots[0], slots[1], slots[2])
        storeSlots()
        isSave = true
        loadGunData(row)
    }
    function chooseSlot(slot) {
        loadGunData(slotGun(slot))
    }

    width: 640
    height: 448
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1
    radius: 4

    onGunControlLangChanged: labelSlots()

    ListModel {
        id: slotModel
        ListElement { textValue: "Gun1" }
        ListElement { textValue: "Gun2" }
        ListElement { textValue: "Gun3" }
    }

    // A press on an empty part ends the inputs; the press goes on to what
    // lies below (the main screen drags dialogs by such presses).
    MouseArea {
        anchors.fill: parent
        onPressed: function (mouse) {
            gunControl.gunControlFocus()
            mouse.accepted = false
        }
    }

    DialogTitle {
        title: gunControl.text(0)
        onCloseClicked: gunControl.close()
    }

    ThemedText {
        x: 24
        y: 52
        text: gunControl.text(1)
    }
    Rectangle {
        id: gunFrame
        objectName: "gunFrame"
        // Keyboard: Up and Down move a white frame over the rows, Enter
        // chooses the framed gun as a click does.
        property int keyRow: -1
        x: 24
        y: 76
        width: 248
        height: 342
        color: Theme.colorBlack
        border.color: activeFocus ? Theme.colorOrange : Theme.colorGray1
        activeFocusOnTab: true
        onActiveFocusChanged: keyRow = activeFocus ? gunControl.currentGun : -1
        Keys.onPressed: function (event) {
            var action = ListKeys.listKey(event.key, event.modifiers, keyRow, gunList.count)
            if (action !== null && action.kind === "choose") {
                keyRow = action.row
                gunList.positionViewAtIndex(keyRow, ListView.Contain)
            } else if (action !== null && action.kind === "activate" && keyRow >= 0) {
                gunControl.chooseGun(keyRow)
            } else {
                return
            }
            event.accepted = true
        }
        Accessible.role: Accessible.List
        Accessible.name: gunControl.text(1)

        ListView {
            id: gunList
            objectName: "gunList"
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: gunControl.gunNumberModel
            delegate: Rectangle {
                id: gunRow
                objectName: "gunRow" + index
                width: gunList.width
                height: 58
                color: index === gunControl.currentGun || rowHover.containsMouse ? Theme.colorOrange : Theme.colorBlack
                border.color: "#ffffff"
                border.width: index === gunFrame.keyRow ? 2 : 0

                Accessible.role: Accessible.ListItem
                Accessible.name: model.name
                Accessible.selected: index === gunControl.currentGun
                Accessible.onPressAction: gunControl.chooseGun(index)

                Image {
                    anchors.right: parent.right
                    anchors.rightMargin: 8
                    y: 2
                    source: Theme.skinImage("gun", model.picture)
                }
                ThemedText {
                    x: 8
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 4
                    text: model.name
                }
                MouseArea {
                    id: rowHover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: gunControl.chooseGun(index)
                }
            }
        }
    }

    ThemedText {
        x: 300
        y: 52
        text: gunControl.text(2)
    }
    DropDownList {
        id: slotList
        objectName: "slotList"
        x: 400
        y: 48
        width: 96
        mdItems: slotModel
        currentSelect: 0
        Accessible.role: Accessible.ComboBox
        Accessible.name: gunControl.text(2)
        Accessible.description: textValue
        onValueChange: function (index) { gunControl.chooseSlot(index) }
    }

    ThemedText {
        x: 300
        y: 88
        text: gunControl.text(3)
    }
    Image {
        id: target
        objectName: "target"
        x: 300
        y: 112
        width: 190
        height: 190
        source: Theme.skinImage("gun", "target.png")

        Rectangle {
            id: dot
            objectName: "dot"
            x: (target.width - width) / 2
            y: GunMath.DOT_TOP
            width: 8
            height: 8
            radius: 4
            color: "red"

            Accessible.role: Accessible.Slider
            Accessible.name: gunControl.text(3)
            Accessible.description: yInput.textValue

            // Up and Down move the dot one Y step; the gun takes the new Y
            // when the key is let go, as when the dot is released.
            activeFocusOnTab: true
            Keys.onPressed: function (event) {
                var step = event.key === Qt.Key_Down ? 1 : event.key === Qt.Key_Up ? -1 : 0
                if (step === 0)
                    return
                var y = GunMath.clamp(GunMath.yOfDot(dot.y) + step, 0, GunMath.Y_MAX)
                dot.y = GunMath.dotOfY(y)
                yInput.textValue = String(y)
                event.accepted = true
            }
            Keys.onReleased: function (event) {
                if (event.isAutoRepeat || (event.key !== Qt.Key_Down && event.key !== Qt.Key_Up))
                    return
                gunControl.editGun("y", yInput.textValue)
                event.accepted = true
            }
            Rectangle {
                objectName: "dotFocus"
                anchors.centerIn: parent
                width: 16
                height: 16
                radius: 8
                color: "transparent"
                border.color: Theme.fontColor
                border.width: 2
                visible: dot.activeFocus
            }

            MouseArea {
                objectName: "dotArea"
                anchors.fill: parent
                anchors.margins: -4
                drag.target: dot
                drag.axis: Drag.YAxis
                drag.minimumY: GunMath.DOT_TOP
                drag.maximumY: GunMath.DOT_BOTTOM
                drag.threshold: 0
                preventStealing: true
                onPressed: gunControl.gunControlFocus()
                onPositionChanged: yInput.textValue = String(GunMath.yOfDot(dot.y))
                onReleased: gunControl.editGun("y", yInput.textValue)
            }
        }
    }

    ThemedText {
        x: 510
        y: 150
        text: gunControl.text(4)
    }
    RectInput {
        id: xInput
        objectName: "xInput"
        x: 510
        y: 170
        maxValue: GunMath.Y_MAX
        txtInput.readOnly: true
        Accessible.role: Accessible.StaticText
        Accessible.name: gunControl.text(4)
        Accessible.description: textValue
    }
    ThemedText {
        x: 510
        y: 210
        text: gunControl.text(5)
    }
    RectInput {
        id: yInput
        objectName: "yInput"
        x: 510
        y: 230
        maxValue: GunMath.Y_MAX
        Accessible.role: Accessible.EditableText
        Accessible.name: gunControl.text(5)
        Accessible.description: textValue
        onEndInputSignal: {
            gunControl.editGun("y", textValue)
            dot.y = GunMath.dotOfY(textValue)
        }
    }

    ThemedText {
        x: 300
        y: 316
        text: gunControl.text(6)
    }
    ThemedText {
        x: 300
        y: 348
        text: gunControl.text(7)
    }
    DropDownSlider {
        id: rate
        objectName: "rate"
        x: 360
        y: 344
        width: 120
        textValue: "10ms"
        Accessible.role: Accessible.ComboBox
        Accessible.name: gunControl.text(7)
        Accessible.description: textValue
        onValueChange: function (position) {
            rate.textValue = GunMath.rateLabel(GunMath.periodOfKnob(position))
        }
    }
    // A drag's release and a click's glide both end here: the rate is taken
    // from the label then.
    Connections {
        target: rate.sliderControl
        function onValueChangeDelay(position) {
            rate.textValue = GunMath.rateLabel(GunMath.periodOfKnob(position))
            gunControl.editGun("period", GunMath.periodOfLabel(rate.textValue))
        }
    }
    ThemedText {
        x: 300
        y: 398
        text: gunControl.text(8)
    }
    RectInput {
        id: timesInput
        objectName: "timesInput"
        x: 360
        y: 396
        maxValue: GunMath.TIMES_MAX
        Accessible.role: Accessible.EditableText
        Accessible.name: gunControl.text(8)
        Accessible.description: textValue
        onEndInputSignal: {
            gunControl.editGun("times", textValue)
            endness.isSelect = GunMath.isEndless(textValue)
        }
    }
    CheckBox {
        id: endness
        objectName: "endness"
        x: 430
        y: 399
        textValue: gunControl.text(9)
        Accessible.role: Accessible.CheckBox
        Accessible.name: textValue
        Accessible.checkable: true
        Accessible.checked: isSelect
        onBtnClick: {
            if (!isSelect) {
                timesInput.textValue = "0"
                gunControl.editGun("times", "0")
            }
        }
        // Endless is what a count of 0 means: the tick stays while Times
        // reads 0, and a count typed into Times clears it.
        onIsSelectChanged: if (!isSelect && GunMath.isEndless(timesInput.textValue)) isSelect = true
    }
}
