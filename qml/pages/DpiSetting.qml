import QtQuick
import "../basic"
import "../controls"
import "perf"
import "../logic/dpimath.js" as DpiMath

// The DPI panel of the right column: how many stages are in use and the DPI
// of each, the active stage drawn orange. Edits wait for the main screen's
// Save, which calls saveData.
Rectangle {
    id: panel

    property var dpiSettingLang: ["DPI"]

    // Bound by the main screen like every page's flags; the stages do not
    // depend on it.
    property bool isColorful: false
    property int dpiCount: 4
    property int currentDpiCount: 4
    property int minDPI: 200
    property int maxDPI: 6000
    property int dpiBase: 50
    property string sensorType: "3360"
    property var dpiValueArray: DpiMath.DEFAULT_VALUES.slice()
    // 0-based stage the mouse is using; -1 (no answer) marks none.
    property int currentDPI: 0
    property bool isSave: false
    property alias dpiSegment: segmentList

    readonly property int sliderLength: 176

    function limits() {
        return { minDPI: minDPI, maxDPI: maxDPI, dpiBase: dpiBase }
    }

    function init(isSendData, isRecovery) {
        if (!isRecovery) {
            dpiCount = DpiMath.stageCount(ui_View.getData("mouse/dpiCount", false), DpiMath.STAGES, 4)
            currentDpiCount = DpiMath.stageCount(ui_View.getData("mouse/currentDpiCount", false),
                                                 dpiCount, Math.min(4, dpiCount))
            var lim = DpiMath.limits(ui_View.getGlobalData("mouse/minDPI"),
                                     ui_View.getGlobalData("mouse/maxDPI"),
                                     ui_View.getGlobalData("mouse/dpiBase"))
            if (!lim.valid)
                console.warn("DPI limits unusable, the defaults stand in")
            minDPI = lim.minDPI
            maxDPI = lim.maxDPI
            dpiBase = lim.dpiBase
            var sensor = String(ui_View.getGlobalData("mouse/sensorType"))
            sensorType = sensor === "" ? "3360" : sensor
            fillStageRows()
            segmentList.currentSelect = currentDpiCount - 1
            segmentList.closeMenu()
        }
        var stored = DpiMath.stageValues(ui_View.getDataList("mouse/dpiValueArray", isRecovery))
        var shown = []
        for (var i = 0; i < DpiMath.STAGES; ++i) {
            var position = DpiMath.positionOf(stored[i], limits())
            stages.itemAt(i).slider.setValue(position)
            shown.push(DpiMath.dpiAt(position, limits()))
        }
        dpiValueArray = shown
        if (isSendData)
            saveData(true)
    }

    function saveData(isSendData) {
        var values = dpiValueArray.map(function (v) { return Math.floor(v) })
        ui_View.setDataList("mouse/dpiValueArray", values)
        ui_View.setData("mouse/currentDpiCount", currentDpiCount)
        if (isSendData)
            ui_View.mouseSetDpi(currentDpiCount, sensorType, values)
    }

    // A knob of `stage` stands at `position`: its value follows. The end of
    // an edit (release, or the end of a click's glide) comes with
    // isSendData and leaves the panel waiting for Save.
    function dpiValueProc(stage, position, isSendData) {
        var values = dpiValueArray.slice()
        values[stage] = DpiMath.dpiAt(position, limits())
        dpiValueArray = values
        if (isSendData)
            isSave = true
    }

    function fillStageRows() {
        stageRows.clear()
        for (var n = 1; n <= dpiCount; ++n)
            stageRows.append({ "textValue": String(n) })
    }

    function closeMainMenus() {
        if (typeof root !== "undefined" && root && typeof root.mainFocus === "function")
            root.mainFocus()
    }

    width: 232
    height: 256
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    Component.onCompleted: {
        fillStageRows()
        segmentList.currentSelect = currentDpiCount - 1
    }

    Image {
        id: icon
        x: 10
        y: 10
        source: Theme.skinImage("dpiSetting", "dpiIcon.png")
    }
    ThemedText {
        anchors.left: icon.right
        anchors.leftMargin: 6
        anchors.verticalCenter: icon.verticalCenter
        font.pixelSize: Theme.fontMiddleSize
        text: panel.dpiSettingLang[0] || ""
    }

    // Declared before the sliders: Tab reaches the panel's head first.
    DropDownList {
        id: segmentList
        objectName: "dpiSegment"
        width: 64
        anchors.right: restore.left
        anchors.rightMargin: 10
        y: 8
        mdItems: ListModel { id: stageRows }
        Accessible.role: Accessible.ComboBox
        Accessible.name: "DPI stages " + textValue
        onValueChange: function (index) {
            panel.currentDpiCount = index + 1
            panel.isSave = true
        }
    }

    IconButton {
        id: restore
        objectName: "restore"
        anchors.right: parent.right
        anchors.rightMargin: 10
        y: 10
        name: "Restore"
        file: "restore.png"
        onClicked: {
            panel.init(false, true)
            panel.isSave = true
        }
    }

    Row {
        id: sliders
        anchors.horizontalCenter: parent.horizontalCenter
        y: 44
        spacing: DpiMath.sliderSpacing(panel.currentDpiCount)

        Repeater {
            id: stages
            model: DpiMath.STAGES
            // The track is the cell; the knob overhangs it by 3 on each side.
            delegate: Item {
                property alias slider: stageSlider
                width: 6
                height: panel.sliderLength
                visible: index < panel.currentDpiCount

                SliderButton {
                    id: stageSlider
                    objectName: "stageSlider" + index
                    width: panel.sliderLength
                    x: (parent.width - width) / 2
                    y: (parent.height - height) / 2
                    // Lying on its side, the lowest DPI at the bottom.
                    rotation: -90
                    colorS: index === panel.currentDPI ? Theme.colorOrange : Theme.colorBlue
                    Accessible.role: Accessible.Slider
                    Accessible.name: "DPI " + (index + 1)
                    Accessible.description: String(panel.dpiValueArray[index])
                    stepFrom: function (position, direction) {
                        return DpiMath.neighbourPosition(position, direction, panel.limits())
                    }
                    onBtnClick: panel.closeMainMenus()
                    onValueChange: function (position) { panel.dpiValueProc(index, position, false) }
                    onValueChangeDelay: function (position) { panel.dpiValueProc(index, position, true) }
                }
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: sliders.bottom
        anchors.topMargin: 10
        spacing: DpiMath.textSpacing(panel.currentDpiCount)

        Repeater {
            model: DpiMath.STAGES
            delegate: ThemedText {
                objectName: "stageValue" + index
                width: 24
                visible: index < panel.currentDpiCount
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Theme.fontMinSize
                text: panel.dpiValueArray[index]
            }
        }
    }
}
