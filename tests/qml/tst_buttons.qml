import QtQuick
import QtTest
import "qrc:/modules/qml/controls"

Item {
    width: 300
    height: 200

    CheckBox {
        id: check
        x: 20
        y: 20
        index: 7
        textValue: "Endness"
        // the page's handler reads the state the user clicked on
        property var seen: []
        onBtnClick: function (index) { seen.push([index, isSelect]) }
    }
    RadioButton {
        id: radio
        x: 20
        y: 60
        index: 3
        textValue: "Scroll one Screen"
        property var seen: []
        onBtnClick: function (index) { seen.push([index, isSelect]) }
    }
    RectInput { id: field; x: 20; y: 100 }
    SignalSpy { id: ended; target: field; signalName: "endInputSignal" }
    SignalSpy { id: started; target: field; signalName: "inputSignal" }

    TestCase {
        name: "Buttons"
        when: windowShown

        function init() {
            failOnWarning(/./)
            check.isSelect = false
            check.seen = []
            radio.isSelect = false
            radio.seen = []
            field.minValue = 0
            field.maxValue = 255
            field.closeFocus()
            ended.clear()
            started.clear()
        }

        function test_checkBoxReportsBeforeToggling() {
            mouseClick(check, check.width - 6, check.height / 2)
            compare(check.isSelect, true)
            mouseClick(check, 2, check.height / 2)
            compare(check.isSelect, false)
            compare(check.seen, [[7, false], [7, true]])
        }

        function test_clickMargin_data() {
            return [
                { tag: "check box, inside the margin", control: "check", dx: -5, hit: true },
                { tag: "check box, outside the margin", control: "check", dx: -8, hit: false },
                { tag: "radio, inside the margin", control: "radio", dx: -5, hit: true },
                { tag: "radio, outside the margin", control: "radio", dx: -8, hit: false },
            ]
        }
        function test_clickMargin(data) {
            var control = data.control === "check" ? check : radio
            mouseClick(control, data.dx, control.height / 2)
            compare(control.seen.length, data.hit ? 1 : 0)
            compare(control.isSelect, data.hit)
        }

        function test_radioSelectsThenReports() {
            mouseClick(radio, 5, radio.height / 2)
            mouseClick(radio, 5, radio.height / 2)
            compare(radio.isSelect, true, "a second click does not clear it")
            compare(radio.seen, [[3, true], [3, true]])
        }

        function test_inputSettlesOnLeaving_data() {
            return [
                { tag: "empty", min: 0, typed: "", text: "0" },
                { tag: "empty with minimum 1", min: 1, typed: "", text: "0" },
                { tag: "zero with minimum 1", min: 1, typed: "0", text: "0" },
                { tag: "in range", min: 0, typed: "42", text: "42" },
                { tag: "leading zeros", min: 0, typed: "007", text: "7" },
                { tag: "below minimum", min: 5, typed: "3", text: "5" },
                { tag: "above maximum", min: 0, max: 99, typed: "300", text: "99" },
            ]
        }
        function test_inputSettlesOnLeaving(data) {
            field.minValue = data.min
            if (data.max !== undefined)
                field.maxValue = data.max
            mouseClick(field, field.width / 2, field.height / 2)
            verify(field.txtInput.activeFocus)
            compare(started.count, 1)
            field.textValue = data.typed
            keyClick(Qt.Key_Return)
            verify(!field.txtInput.activeFocus, "Enter ends the input")
            compare(field.textValue, data.text)
            compare(ended.count, 1)
        }

        function test_inputTyping() {
            mouseClick(field, field.width / 2, field.height / 2)
            field.txtInput.selectAll()
            for (const digit of "12345")
                keyClick(digit)
            compare(field.textValue, "123", "at most the digits the limit allows")
            keyClick("a")
            compare(field.textValue, "123")
            field.closeFocus()
            compare(field.txtInput.selectedText, "")
            compare(ended.count, 1)
        }

        // Screen readers see a named check box and radio button whose state
        // follows the control; Space works like a click, handler order kept.
        function test_accessibleAndKeyboard() {
            compare(check.Accessible.role, Accessible.CheckBox)
            compare(check.Accessible.name, "Endness")
            compare(radio.Accessible.role, Accessible.RadioButton)
            check.forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(check.seen, [[7, false]])
            compare(check.Accessible.checked, true)
            radio.forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(radio.seen, [[3, true]])
            compare(radio.Accessible.checked, true)
        }
    }
}
