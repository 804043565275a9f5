import QtQuick
import "../../basic"

// Text field laid over a row while it is edited in place. It opens with
// `initialText` selected; Enter or losing the focus ends the edit with
// `finished(text)`, Escape with the text it began with. The owner hides
// the field in answer, which is what keeps a second `finished` from
// following the first. Enter and Escape give the keyboard back to where
// it was when the edit began.
Rectangle {
    id: field

    property string initialText
    property alias validator: input.validator
    property alias input: input
    property Item focusBack: null

    signal finished(string text)

    function finish() {
        if (visible)
            finished(input.text)
    }
    function finishByKey(keep) {
        var back = focusBack
        if (!keep)
            input.text = initialText
        finish()
        if (back)
            back.forceActiveFocus()
    }

    color: Theme.colorBlue
    onVisibleChanged: {
        if (!visible)
            return
        focusBack = Window.activeFocusItem
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
        Keys.onReturnPressed: field.finishByKey(true)
        Keys.onEnterPressed: field.finishByKey(true)
        Keys.onEscapePressed: field.finishByKey(false)
        onActiveFocusChanged: if (!activeFocus) field.finish()
    }
}
