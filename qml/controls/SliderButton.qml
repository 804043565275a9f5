import QtQuick
import "../basic"

// Horizontal slider: a 12 x 12 knob on a 6-high track. Positions are the
// knob's x, from knobMin to knobMax; with isScale the knob rests only on the
// segment + 1 steps spread evenly over that range.
//
// Keyboard: the arrows move the knob by keyStep (Right and Up towards the
// high end, so a slider turned on its side works the same), Page Up and
// Page Down by a tenth of the track, Home and End to the ends. The knob
// follows every press, as it follows a drag; valueChangeDelay, which pages
// save on, comes when the key is let go, as when the knob is released.
Item {
    id: slider

    property int segment: 10
    property int segmentValue: 0
    property bool isScale: false
    property color colorS: Theme.colorOrange
    property color trackColor: Theme.colorGray1
    // What screen readers call the slider; the page sets it (e.g. its label).
    property string accessibleName

    Accessible.role: Accessible.Slider
    Accessible.name: accessibleName

    signal valueChange(int position)
    signal valueChangeDelay(int position)
    signal btnClick()
    signal dragSignal(bool isDrag)

    readonly property int knobSize: 12
    readonly property int knobMin: 3
    readonly property int knobMax: width - 15
    readonly property int travel: width - 18
    // Reach of the track's click area beyond the track on every side.
    readonly property int clickMargin: 3
    readonly property alias knobX: knob.x
    // Knob pixels an arrow key moves: one step of a scale, else one pixel.
    property real keyStep: isScale ? travel / Math.max(segment, 1) : 1
    // Pages whose positions stand for coarser values (a DPI step, a desktop
    // speed) give the position one value away, so that every press changes
    // the value: function (position, direction) returning a position.
    property var stepFrom: null
    // True from a key's first press to its release.
    property bool keyHeld: false

    function stepPosition(i) {
        return knobMin + i * travel / Math.max(segment, 1)
    }
    // First step at or right of x, less tolerance; the last step otherwise.
    function stepAt(x, tolerance) {
        for (var i = 0; i < segment; ++i) {
            if (stepPosition(i) + tolerance >= x)
                return i
        }
        return segment
    }
    function clampKnob(x) {
        return Math.max(knobMin, Math.min(knobMax, x))
    }

    // Stored settings reach these setters as text: a value that is not a
    // number, or lies outside the track, must not throw the knob off it.
    function setRatioValue(r) {
        glide.stop()
        var ratio = Number(r)
        ratio = isNaN(ratio) ? 0 : Math.max(0, Math.min(1, ratio))
        knob.x = Math.floor(travel * ratio) + 4
        valueChange(knob.x)
    }
    function setIndexValue(i, isSendSignal) {
        glide.stop()
        var step = Math.floor(Number(i))
        step = isNaN(step) ? 0 : Math.max(0, Math.min(segment, step))
        knob.x = stepPosition(step)
        segmentValue = step
        if (isSendSignal)
            valueChange(knob.x)
    }
    function setValue(x) {
        glide.stop()
        knob.x = x
    }

    // Where `key` sends the knob, or NaN for a key the slider leaves alone.
    function keyTarget(key) {
        var page = Math.max(keyStep, travel / 10)
        switch (key) {
        case Qt.Key_Right:
        case Qt.Key_Up:
            return stepFrom ? stepFrom(knob.x, 1) : knob.x + keyStep
        case Qt.Key_Left:
        case Qt.Key_Down:
            return stepFrom ? stepFrom(knob.x, -1) : knob.x - keyStep
        case Qt.Key_PageUp:
            return knob.x + page
        case Qt.Key_PageDown:
            return knob.x - page
        case Qt.Key_Home:
            return knobMin
        case Qt.Key_End:
            return knobMax
        }
        return NaN
    }
    function pressKey(key) {
        var target = keyTarget(key)
        if (isNaN(target))
            return false
        glide.stop()
        if (!keyHeld) {
            keyHeld = true
            btnClick()
        }
        target = clampKnob(target)
        if (isScale) {
            segmentValue = Math.max(0, Math.min(segment, Math.round((target - knobMin) * segment / travel)))
            target = stepPosition(segmentValue)
        }
        knob.x = target
        valueChange(knob.x)
        return true
    }
    function releaseKey(key) {
        if (!keyHeld || isNaN(keyTarget(key)))
            return false
        endKeyChange()
        return true
    }
    function endKeyChange() {
        keyHeld = false
        valueChangeDelay(knob.x)
    }

    width: 160
    height: knobSize
    activeFocusOnTab: true
    Keys.onPressed: function (event) { event.accepted = slider.pressKey(event.key) }
    Keys.onReleased: function (event) {
        if (!event.isAutoRepeat)
            event.accepted = slider.releaseKey(event.key)
    }
    // Focus moving on mid-press still ends the change.
    onActiveFocusChanged: if (!activeFocus && keyHeld) endKeyChange()

    Rectangle {
        id: track
        width: parent.width
        height: 6
        radius: 3
        anchors.verticalCenter: parent.verticalCenter
        color: slider.trackColor

        Rectangle {
            height: parent.height
            radius: parent.radius
            width: knob.x + knob.width / 2
            color: slider.colorS
        }

        MouseArea {
            anchors.fill: parent
            anchors.margins: -slider.clickMargin
            onClicked: function (mouse) {
                slider.btnClick()
                var point = mapToItem(slider, mouse.x, mouse.y).x
                var target = slider.clampKnob(point - slider.knobSize / 2)
                if (slider.isScale) {
                    slider.segmentValue = slider.stepAt(target, 0)
                    target = slider.stepPosition(slider.segmentValue)
                }
                glide.to = target
                glide.restart()
            }
        }
    }

    Image {
        id: knob
        objectName: "knob"
        x: slider.knobMin
        width: slider.knobSize
        height: slider.knobSize
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.skinImage("index", "slide.png")

        MouseArea {
            // Where the knob was gripped, so it does not jump under the pointer.
            property real grip: 0
            anchors.fill: parent
            preventStealing: true
            onPressed: function (mouse) {
                glide.stop()
                grip = mouse.x
                slider.btnClick()
                slider.dragSignal(true)
            }
            onPositionChanged: function (mouse) {
                knob.x = slider.clampKnob(knob.x + mouse.x - grip)
                if (!slider.isScale)
                    slider.valueChange(knob.x)
            }
            onReleased: {
                if (slider.isScale) {
                    slider.segmentValue = slider.stepAt(knob.x, 1)
                    knob.x = slider.stepPosition(slider.segmentValue)
                }
                slider.valueChangeDelay(knob.x)
                slider.dragSignal(false)
            }
            onCanceled: slider.dragSignal(false)
        }
    }

    // The keyboard focus: a white ring around the knob, which is orange
    // itself.
    Rectangle {
        objectName: "focusRing"
        anchors.centerIn: knob
        width: slider.knobSize + 8
        height: width
        radius: width / 2
        color: "transparent"
        border.color: Theme.fontColor
        border.width: 2
        visible: slider.activeFocus
    }

    NumberAnimation {
        id: glide
        target: knob
        property: "x"
        duration: 120
        easing.type: Easing.OutQuad
        onFinished: {
            slider.valueChange(knob.x)
            slider.valueChangeDelay(knob.x)
        }
    }
}
