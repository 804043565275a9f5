import QtQuick
import "../basic"

// What the drop-downs share: the head, which folds and unfolds the part
// each kind supplies as `unfolding`, and their colours.
Item {
    id: dropDown

    property bool isDrop: false
    property string textValue
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    property int horizontalOffset: 0
    property DropBox unfolding
    // Keyboard: Space or Enter opens the drop-down; while it is open the
    // arrows move a highlighted row (a cell, in a grid), Space or Enter
    // takes it and Escape folds without a choice. Kinds with rows set
    // keyRowCount, keyColumns and keyRowStart (where the highlight starts)
    // and take the row on keyRowChosen.
    property int keyRowCount: 0
    property int keyColumns: 1
    property int keyRowStart: 0
    property int keyRow: -1
    // The row shown as current: the keyboard's while it moves one.
    readonly property int highlightedRow: keyRow >= 0 ? keyRow : keyRowStart

    signal btnClick()
    signal keyRowChosen(int row)

    function closeMenu() {
        if (isDrop)
            setDrop(false)
    }
    function setDrop(open) {
        isDrop = open
        keyRow = open && keyRowCount > 0 ? Math.max(0, Math.min(keyRowCount - 1, keyRowStart)) : -1
        unfolding.setOpen(open)
    }
    // The head's click, or Space or Enter on it; a click while folding or
    // unfolding only counts as a click.
    function toggle() {
        btnClick()
        if (!unfolding.running)
            setDrop(!isDrop)
    }
    function activateByKey() {
        if (isDrop && keyRow >= 0 && !unfolding.running)
            keyRowChosen(keyRow)
        else
            toggle()
    }
    function stepKeyRow(dx, dy) {
        if (keyRow < 0)
            return
        var next = keyRow + dx + dy * keyColumns
        if (next >= 0 && next < keyRowCount)
            keyRow = next
    }

    width: 120
    height: head.height
    // Unfolded parts hang below the head: keep them above later siblings.
    z: unfolding && unfolding.visible ? 10 : 0

    DropHead {
        id: head
        objectName: dropDown.objectName + "Head"
        width: parent.width
        color: dropDown.bgColor
        border.color: head.activeFocus ? Theme.colorOrange : dropDown.borderColor
        text: dropDown.textValue
        horizontalOffset: dropDown.horizontalOffset
        isOpen: dropDown.isDrop
        onClicked: dropDown.toggle()
        onKeyActivated: dropDown.activateByKey()
        onKeyStep: function (dx, dy) { dropDown.stepKeyRow(dx, dy) }
        onKeyFold: dropDown.setDrop(false)
    }
}
