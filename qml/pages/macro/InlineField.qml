import QtQuick
import "../../basic"

// Text field laid over a row while it is edited in place. It opens with
// `initialText` selected; Enter or losing the focus ends the edit with
// `finished(text)`. The owner hides the field in answer, which is what
// keeps a second `finished` from following the first.
Rectangle {
    id: field

    property string initialText
    property alias validator: input.validator
    property alias input: input

    signal finished(string text)

    function finish() {
        if (visible)
            finished(input.text)
    }

    color: Theme.colorBlue
    onVisibleChanged: {
        if (!visible)
            return
        input.text = initialText
        input.selectAll()
        input.forceActiveFocus()
    }

    Accessible.role: Accessible.EditableText
    Accessible.name: input.text

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        verticalAlignment: TextInput.AlignVCenter
        selectByMouse: true
        clip: true
        color: Theme.fontColor
        selectionColor: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        Keys.onReturnPressed: field.finish()
        Keys.onEnterPressed: field.finish()
        onActiveFocusChanged: if (!activeFocus) field.finish()
    }
}
