import QtQuick
import "../basic"

// Small numeric field. The value is settled when the field loses focus:
// empty or below 1 reads "0", anything else is held within the limits.
Rectangle {
    id: field

    property int maxValue: 255
    property int minValue: 0
    property alias textValue: input.text
    property alias txtInput: input

    signal endInputSignal()
    signal inputSignal()

    function closeFocus() {
        input.deselect()
        input.focus = false
    }
    // Typing may pass through values outside the limits (the validator
    // lets "3" stand on the way to "35"); what is left must be in range.
    function settledText(text) {
        var value = parseInt(text, 10)
        if (text === "" || isNaN(value) || value < 1)
            return "0"
        if (value > maxValue)
            return String(maxValue)
        if (value < minValue)
            return String(minValue)
        return String(value)
    }

    // What screen readers call the field; the page sets it (e.g. "Times").
    property string accessibleName

    width: 48
    height: 20
    color: Theme.colorBlue

    TextInput {
        id: input
        anchors.fill: parent
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        text: "0"
        maximumLength: 4
        selectByMouse: true
        activeFocusOnTab: true
        clip: true
        Accessible.role: Accessible.EditableText
        Accessible.name: field.accessibleName
        Accessible.description: text
        color: Theme.fontColor
        selectionColor: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        validator: IntValidator {
            bottom: field.minValue
            top: field.maxValue
        }
        Keys.onReturnPressed: field.closeFocus()
        Keys.onEnterPressed: field.closeFocus()
        onActiveFocusChanged: {
            if (activeFocus) {
                field.inputSignal()
            } else {
                text = field.settledText(text)
                field.endInputSignal()
            }
        }
    }
}
