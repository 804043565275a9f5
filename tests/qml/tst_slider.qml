import QtQuick
import QtTest
import "qrc:/modules/qml/controls"

// Slider of 96 pixels with four segments: the knob runs 3..81 and the steps
// sit at 3 + 19.5 * i (3, 22.5, 42, 61.5, 81).
Item {
    width: 200
    height: 60

    SliderButton { id: slider; x: 20; y: 20; width: 96; segment: 4 }

    SignalSpy { id: changed; target: slider; signalName: "valueChange" }
    SignalSpy { id: delayed; target: slider; signalName: "valueChangeDelay" }
    SignalSpy { id: clicked; target: slider; signalName: "btnClick" }
    SignalSpy { id: dragged; target: slider; signalName: "dragSignal" }

    TestCase {
        name: "SliderButton"
        when: windowShown

        readonly property int knobCentre: 6

        function init() {
            failOnWarning(/./)
            slider.isScale = false
            slider.stepFrom = null
            slider.setIndexValue(0, false)
            for (const spy of [changed, delayed, clicked, dragged])
                spy.clear()
        }

        function knob() {
            return findChild(slider, "knob")
        }

        function dragKnobTo(x) {
            var from = knob().x + knobCentre
            mousePress(slider, from, knobCentre)
            for (var step = 1; step <= 4; ++step)
                mouseMove(slider, from + (x + knobCentre - from) * step / 4, knobCentre, -1, Qt.LeftButton)
            mouseRelease(slider, x + knobCentre, knobCentre)
        }

        function test_click_data() {
            // x: clicked point in slider pixels (the track area reaches 3 beyond it)
            return [
                { tag: "free, middle", scale: false, x: 50, knob: 44 },
                { tag: "free, left margin", scale: false, x: -2, knob: 3 },
                { tag: "free, right margin", scale: false, x: 98, knob: 81 },
                { tag: "scale, on step 0", scale: true, x: 9, knob: 3, step: 0 },
                { tag: "scale, just past step 0", scale: true, x: 10, knob: 22.5, step: 1 },
                { tag: "scale, on step 2", scale: true, x: 48, knob: 42, step: 2 },
                { tag: "scale, just past step 2", scale: true, x: 50, knob: 61.5, step: 3 },
                { tag: "scale, past the last inner step", scale: true, x: 70, knob: 81, step: 4 },
                { tag: "scale, right margin", scale: true, x: 98, knob: 81, step: 4 },
            ]
        }
        function test_click(data) {
            slider.isScale = data.scale
            // keep the knob away from the clicked point: a press there drags it
            slider.setValue(data.x < 48 ? 81 : 3)
            var arrivedAt = -1
            var record = function (position) { arrivedAt = knob().x }
            slider.valueChange.connect(record)
            mouseClick(slider, data.x, knobCentre)
            compare(clicked.count, 1)
            compare(changed.count, 0, "the knob announces its place on arrival")
            tryCompare(delayed, "count", 1, 1000)
            slider.valueChange.disconnect(record)
            compare(changed.count, 1)
            compare(arrivedAt, data.knob)
            compare(knob().x, data.knob)
            compare(changed.signalArguments[0][0], Math.floor(data.knob))
            compare(delayed.signalArguments[0][0], Math.floor(data.knob))
            if (data.scale)
                compare(slider.segmentValue, data.step)
        }

        function test_dragRange_data() {
            return [
                { tag: "past the left end", to: -40, knob: 3 },
                { tag: "past the right end", to: 300, knob: 81 },
                { tag: "inside", to: 30, knob: 30 },
            ]
        }
        function test_dragRange(data) {
            slider.setValue(40)
            dragKnobTo(data.to)
            compare(knob().x, data.knob)
            verify(changed.count > 0, "a free drag reports while moving")
            compare(changed.signalArguments[changed.count - 1][0], data.knob)
            compare(delayed.count, 1)
            compare(clicked.count, 1)
            compare(dragged.count, 2)
            compare(dragged.signalArguments[0][0], true)
            compare(dragged.signalArguments[1][0], false)
        }

        function test_dragSnap_data() {
            // the release tolerance is one pixel more than a click's
            return [
                { tag: "left of step 1", to: 21, knob: 22.5, step: 1 },
                { tag: "within a pixel past step 1", to: 23, knob: 22.5, step: 1 },
                { tag: "past step 1", to: 24, knob: 42, step: 2 },
                { tag: "past step 3", to: 64, knob: 81, step: 4 },
            ]
        }
        function test_dragSnap(data) {
            slider.isScale = true
            dragKnobTo(data.to)
            compare(knob().x, data.knob)
            compare(slider.segmentValue, data.step)
            compare(changed.count, 0, "a scaled drag reports only on release")
            compare(delayed.count, 1)
            compare(delayed.signalArguments[0][0], Math.floor(data.knob))
        }

        function test_setters_data() {
            // stored values arrive as text and may be anything
            return [
                { tag: "ratio", ratio: 0.5, knob: 43, signals: 1 },
                { tag: "ratio 1, one past the drag range", ratio: 1, knob: 82, signals: 1 },
                { tag: "ratio not a number", ratio: "abc", knob: 4, signals: 1 },
                { tag: "ratio above 1", ratio: 3, knob: 82, signals: 1 },
                { tag: "step, quiet", step: 3, knob: 61.5, segmentValue: 3, signals: 0 },
                { tag: "step, reported", step: 2, send: true, knob: 42, segmentValue: 2, signals: 1 },
                { tag: "step past the last", step: 9, knob: 81, segmentValue: 4, signals: 0 },
                { tag: "step below 0", step: -1, knob: 3, segmentValue: 0, signals: 0 },
                { tag: "place", place: 50, knob: 50, segmentValue: 0, signals: 0 },
            ]
        }
        function test_setters(data) {
            if (data.ratio !== undefined)
                slider.setRatioValue(data.ratio)
            else if (data.step !== undefined)
                slider.setIndexValue(data.step, data.send === true)
            else
                slider.setValue(data.place)
            compare(knob().x, data.knob)
            if (data.segmentValue !== undefined)
                compare(slider.segmentValue, data.segmentValue)
            compare(changed.count, data.signals)
            if (data.signals > 0)
                compare(changed.signalArguments[0][0], Math.floor(data.knob))
            compare(delayed.count, 0)
        }

        function test_setterStopsGlide() {
            mouseClick(slider, 70, knobCentre)
            slider.setValue(10)
            wait(200)
            compare(knob().x, 10, "a glide under way must not overwrite a new place")
            compare(delayed.count, 0)
        }

        // Keys move the knob at once; the value a page saves comes once,
        // when the key is let go, as after a drag.
        function test_keys_data() {
            return [
                { tag: "free, right twice", keys: [Qt.Key_Right, Qt.Key_Right], from: 40, knob: 42 },
                { tag: "free, up is the high end too", keys: [Qt.Key_Up], from: 40, knob: 41 },
                { tag: "free, down", keys: [Qt.Key_Down, Qt.Key_Left], from: 40, knob: 38 },
                { tag: "free, stops at the end", keys: [Qt.Key_Left, Qt.Key_Left], from: 4, knob: 3 },
                { tag: "free, page up", keys: [Qt.Key_PageUp], from: 40, knob: 47.8 },
                { tag: "free, home", keys: [Qt.Key_Home], from: 40, knob: 3 },
                { tag: "free, end", keys: [Qt.Key_End], from: 40, knob: 81 },
                { tag: "scale, one step a press", scale: true, keys: [Qt.Key_Right, Qt.Key_Right], from: 3,
                  knob: 42, step: 2 },
                { tag: "scale, page is one step", scale: true, keys: [Qt.Key_PageDown], from: 81, knob: 61.5, step: 3 },
                { tag: "scale, stops at the end", scale: true, keys: [Qt.Key_Right], from: 81, knob: 81, step: 4 },
            ]
        }
        function test_keys(data) {
            slider.isScale = data.scale === true
            slider.setValue(data.from)
            slider.forceActiveFocus()
            verify(findChild(slider, "focusRing").visible)
            for (const key of data.keys)
                keyPress(key)
            compare(knob().x, data.knob)
            compare(changed.count, data.keys.length)
            compare(changed.signalArguments[changed.count - 1][0], Math.floor(data.knob))
            compare(clicked.count, 1, "one press of the knob however long the key is held")
            compare(delayed.count, 0, "nothing is saved while the key is down")
            keyRelease(data.keys[data.keys.length - 1])
            compare(delayed.count, 1)
            compare(delayed.signalArguments[0][0], Math.floor(data.knob))
            if (data.scale)
                compare(slider.segmentValue, data.step)
        }

        function test_keysUseThePageStep() {
            // a page whose values are coarser than a pixel: every fifth pixel
            slider.stepFrom = function (position, direction) { return position + 5 * direction }
            slider.setValue(40)
            slider.forceActiveFocus()
            keyClick(Qt.Key_Right)
            compare(knob().x, 45)
            keyClick(Qt.Key_Down)
            compare(knob().x, 40)
            compare(delayed.count, 2)
        }

        function test_otherKeysAndLostFocus() {
            slider.setValue(40)
            slider.forceActiveFocus()
            keyClick(Qt.Key_A)
            compare(changed.count + delayed.count + clicked.count, 0)
            keyPress(Qt.Key_Right)
            slider.focus = false
            compare(delayed.count, 1, "leaving the slider mid-press still ends the change")
            keyRelease(Qt.Key_Right)
            compare(delayed.count, 1)
        }
    }
}
