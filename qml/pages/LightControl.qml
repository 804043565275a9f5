import QtQuick
import "../basic"
import "../controls"
import "perf"
import "../logic/colorbar.js" as ColorBar
import "../logic/lighteffects.js" as Effects

// The lighting panel under the DPI panel: effect, its speed and brightness,
// and a colour per DPI stage. Edits wait for the main screen's Save.
Rectangle {
    id: panel

    property var lightControlLang: ["Light", "Static", "Breath", "Neon", "OFF", "Speed", "Color", "Brightness",
                                    "Twinkling", "Wave", "Gliding", "Finger Moving", "Vertical Flipping",
                                    "YO-YO", "Spotlight", "Breath Loop"]
    property bool isColorful: false
    property bool is55328: false
    property int dpiCount: 4
    property bool isSave: false
    property alias lightModel: effectList

    property int effectRow: 0
    // Colours of blocks 1 .. 8, each [r, g, b].
    property var blocks: ColorBar.blocksFromList([])
    property int selectedBlock: 0
    property int pointerX: 0
    readonly property var traits: Effects.rowTraits(effectRow, isColorful, is55328)
    // The extra effect rows go in once per run.
    property bool rowsAppended: false

    function text(i) {
        return lightControlLang[i] || ""
    }

    function init(isSendData, isRecovery) {
        for (var i = 0; i < Effects.BASIC_TEXTS.length && i < effectRows.count; ++i)
            effectRows.setProperty(i, "textValue", text(Effects.BASIC_TEXTS[i]))
        if (!isSendData && !isRecovery && !rowsAppended) {
            var texts = Effects.textIndexes(isColorful, is55328)
            for (var r = effectRows.count; r < texts.length; ++r)
                effectRows.append({ "textValue": text(texts[r]) })
            rowsAppended = true
        }

        var light = ui_View.getDataList("mouse/lightValue", isRecovery)
        var row = light && light.length > 0 && light[0] !== "" ? Math.floor(Number(light[0])) : 0
        if (!(row >= 0 && row < effectRows.count)) {
            console.warn("lighting effect", light ? light[0] : "", "is not offered; showing the first")
            row = 0
        }
        effectRow = row
        effectList.currentSelect = row
        speedRow.slider.setIndexValue(Effects.step(light ? light[1] : 0), false)
        brightnessRow.slider.setIndexValue(Effects.step(light ? light[2] : 0), false)

        blocks = ColorBar.blocksFromList(ui_View.getDataList("mouse/colorValue", isRecovery))
        selectBlock(0)
        if (isSendData)
            saveData(true, 0)
    }

    // `step`: 0 effect and colours, 1 the effect only, 2 the colours only.
    function saveData(isSendData, step) {
        var light = [effectRow, speedRow.slider.segmentValue, brightnessRow.slider.segmentValue]
        var colours = ColorBar.listFromBlocks(blocks)
        if (step === 0 || step === 1)
            ui_View.setDataList("mouse/lightValue", light)
        if (step === 0 || step === 2)
            ui_View.setDataList("mouse/colorValue", colours)
        if (!isSendData)
            return
        if (step === 0 || step === 1)
            ui_View.mouseSetRGBEffect(light[0], light[1], light[2])
        if (step === 0 || step === 2)
            ui_View.mouseSetRGBColor(isColorful ? 0 : 1, Effects.sentColours(colours, effectRow, isColorful, is55328))
    }

    function lightControlFocus() {
        effectList.closeMenu()
        red.input.closeFocus()
        green.input.closeFocus()
        blue.input.closeFocus()
    }

    function chooseEffect(row) {
        effectRow = row
        if (traits.resetSpeed >= 0)
            speedRow.slider.setIndexValue(traits.resetSpeed, false)
        if (traits.resetBrightness >= 0)
            brightnessRow.slider.setIndexValue(traits.resetBrightness, false)
        selectBlock(0)
        isSave = true
    }

    function selectBlock(block) {
        selectedBlock = block
        showColour(blocks[block])
        pointerX = ColorBar.positionOf(blocks[block])
    }

    function showColour(rgb) {
        red.input.textValue = String(rgb[0])
        green.input.textValue = String(rgb[1])
        blue.input.textValue = String(rgb[2])
    }

    function setSelectedColour(rgb) {
        var list = blocks.slice()
        list[selectedBlock] = rgb
        blocks = list
    }

    // The pointer stands at x on the bar: the selected block takes its colour.
    function pointTo(x) {
        pointerX = Math.max(0, Math.min(ColorBar.LAST_X, Math.floor(x)))
        var rgb = ColorBar.colorAt(pointerX)
        setSelectedColour(rgb)
        showColour(rgb)
    }

    function typedColour() {
        var rgb = [ColorBar.channel(red.input.textValue), ColorBar.channel(green.input.textValue),
                   ColorBar.channel(blue.input.textValue)]
        setSelectedColour(rgb)
        pointerX = ColorBar.positionOf(rgb)
        isSave = true
    }

    function closeMainMenus() {
        if (typeof root !== "undefined" && root && typeof root.mainFocus === "function")
            root.mainFocus()
    }

    width: 232
    height: Effects.panelHeight(traits)
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    // "R", "G" or "B" and its 0 .. 255 input.
    component ChannelField: Row {
        id: channel
        property string name
        property alias input: field
        spacing: 5
        ThemedText {
            anchors.verticalCenter: parent.verticalCenter
            text: channel.name
        }
        RectInput {
            id: field
            objectName: "input" + channel.name
            minValue: 0
            maxValue: 255
            textValue: "255"
            txtInput.maximumLength: 3
            Accessible.role: Accessible.EditableText
            Accessible.name: channel.name
            onInputSignal: panel.closeMainMenus()
            onEndInputSignal: panel.typedColour()
        }
    }

    ThemedText {
        x: 12
        y: 12
        font.pixelSize: Theme.fontMiddleSize
        text: panel.text(0)
    }

    // Declared before the rows: Tab reaches the panel's head first.
    DropDownList {
        id: effectList
        objectName: "lightModel"
        width: 120
        anchors.right: restore.left
        anchors.rightMargin: 10
        y: 8
        currentSelect: 0
        mdItems: ListModel { id: effectRows }
        Accessible.role: Accessible.ComboBox
        Accessible.name: textValue
        onValueChange: function (index) { panel.chooseEffect(index) }
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

    Column {
        y: 36
        StepSliderRow {
            id: speedRow
            objectName: "speedRow"
            visible: panel.traits.speed
            label: panel.text(5)
            scaleImage: Theme.skinImage("lightControl", "speedScale.png")
            onEdited: panel.isSave = true
        }
        StepSliderRow {
            id: brightnessRow
            objectName: "brightnessRow"
            visible: panel.traits.brightness
            label: panel.text(7)
            scaleImage: Theme.skinImage("lightControl", "speedScale.png")
            onEdited: panel.isSave = true
        }
    }

    Item {
        id: colourArea
        objectName: "colourArea"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 140

        Rectangle {
            x: 12
            width: parent.width - 24
            height: 1
            color: Theme.colorGray1
        }

        ThemedText {
            x: 12
            y: 12
            text: panel.text(6)
        }
        Row {
            x: 64
            y: 12
            spacing: 6
            // Under the cover the keyboard must not reach them either.
            enabled: panel.traits.colours
            Repeater {
                model: 8
                delegate: ColorChip {
                    objectName: "block" + (index + 1)
                    rgb: panel.blocks[index]
                    label: String(index + 1)
                    visible: Effects.blockVisible(index + 1, panel.effectRow, panel.dpiCount,
                                                  panel.isColorful, panel.is55328)
                    z: index === panel.selectedBlock ? 1 : 0
                    scale: index === panel.selectedBlock ? 1.15 : 1
                    border.color: activeFocus ? Theme.colorOrange
                                              : index === panel.selectedBlock ? "#ffffff" : Theme.colorGray1
                    Accessible.role: Accessible.Button
                    Accessible.name: panel.text(6) + " " + (index + 1)
                    Accessible.onPressAction: panel.selectBlock(index)
                    activeFocusOnTab: true
                    Keys.onSpacePressed: panel.selectBlock(index)
                    Keys.onReturnPressed: panel.selectBlock(index)
                    Keys.onEnterPressed: panel.selectBlock(index)
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -2
                        onClicked: panel.selectBlock(index)
                    }
                }
            }
        }

        Image {
            id: bar
            objectName: "colorBar"
            x: (parent.width - width) / 2
            y: 64
            source: Theme.skinImage("lightControl", "colorBar.png")
        }
        ColorChip {
            id: pointer
            objectName: "pointer"
            // centred over the bar pixel the position names
            x: bar.x + panel.pointerX + 1 - width / 2
            anchors.bottom: bar.top
            anchors.bottomMargin: 3
            rgb: panel.blocks[panel.selectedBlock]
            label: String(panel.selectedBlock + 1)
            border.color: "#ffffff"
        }
        MouseArea {
            id: barArea
            objectName: "barArea"
            x: bar.x - 8
            y: pointer.y
            width: bar.width + 16
            height: bar.y + bar.height + 4 - y
            preventStealing: true
            Accessible.role: Accessible.Slider
            Accessible.name: panel.text(6)
            Accessible.description: ColorBar.toHex(panel.blocks[panel.selectedBlock])
            onPressed: function (mouse) { panel.pointTo(mouse.x - (bar.x - x)) }
            onPositionChanged: function (mouse) { panel.pointTo(mouse.x - (bar.x - x)) }
            onReleased: panel.isSave = true

            // Left and Right move the pointer a pixel, Page Up and Page Down
            // a tenth of the bar, Home and End to its ends; the colour
            // waits for Save from the moment the key is let go. (A mouse
            // area's `enabled` only concerns the mouse: not under the cover.)
            activeFocusOnTab: panel.traits.colours
            Keys.onPressed: function (event) {
                var x = panel.traits.colours ? ColorBar.keyTarget(event.key, panel.pointerX) : NaN
                if (isNaN(x))
                    return
                panel.pointTo(x)
                event.accepted = true
            }
            Keys.onReleased: function (event) {
                if (event.isAutoRepeat || isNaN(ColorBar.keyTarget(event.key, panel.pointerX)))
                    return
                panel.isSave = true
                event.accepted = true
            }
        }
        Rectangle {
            objectName: "barFocus"
            x: bar.x - 3
            y: bar.y - 3
            width: bar.width + 6
            height: bar.height + 6
            color: "transparent"
            border.color: Theme.colorOrange
            visible: barArea.activeFocus
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 100
            spacing: 12
            enabled: panel.traits.colours
            ChannelField { id: red; name: "R" }
            ChannelField { id: green; name: "G" }
            ChannelField { id: blue; name: "B" }
        }

        // Effects that do not use the colours cover them.
        Rectangle {
            objectName: "overlay"
            anchors.fill: parent
            anchors.leftMargin: 1
            anchors.rightMargin: 1
            anchors.bottomMargin: 1
            z: 2
            visible: !panel.traits.colours
            color: Qt.rgba(0, 0, 0, 0xB0 / 255)
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.AllButtons
                hoverEnabled: true
                onWheel: function (wheel) { wheel.accepted = true }
            }
        }
    }

    Component.onCompleted: {
        for (var i = 0; i < Effects.BASIC_TEXTS.length; ++i)
            effectRows.append({ "textValue": text(Effects.BASIC_TEXTS[i]) })
    }
}
