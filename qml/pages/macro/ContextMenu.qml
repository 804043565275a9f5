import QtQuick
import "../../basic"
import "../../logic/listkeys.js" as ListKeys

// Pop-up menu of rows. `items` are { text, enabled }; a disabled row is
// drawn grey and cannot be chosen. The menu stays inside its parent.
//
// Opened from the keyboard (with the item to give the keyboard back to),
// it takes the keyboard: Up and Down move among the enabled rows, Space or
// Enter chooses, Escape closes it.
Rectangle {
    id: menu

    property var items: []
    // The keyboard's row, -1 when the menu was opened by the mouse.
    property int keyRow: -1
    property Item focusBack: null

    signal chosen(int index)

    readonly property int rowHeight: 24

    function popup(px, py, rows, returnFocusTo) {
        items = rows
        x = Math.max(0, Math.min(px, parent.width - width))
        y = Math.max(0, Math.min(py, parent.height - height))
        focusBack = returnFocusTo || null
        keyRow = focusBack ? nextEnabled(-1, 1) : -1
        visible = true
        if (focusBack)
            forceActiveFocus()
    }
    function close() {
        var back = visible ? focusBack : null
        visible = false
        focusBack = null
        if (back)
            back.forceActiveFocus()
    }
    function choose(row) {
        if (!items[row] || !items[row].enabled)
            return
        close()
        chosen(row)
    }
    function nextEnabled(from, direction) {
        return ListKeys.nextUsable(items.map(function (item) { return item.enabled }), from, direction)
    }

    Keys.onUpPressed: keyRow = nextEnabled(keyRow, -1)
    Keys.onDownPressed: keyRow = nextEnabled(keyRow, 1)
    Keys.onReturnPressed: choose(keyRow)
    Keys.onEnterPressed: choose(keyRow)
    Keys.onSpacePressed: choose(keyRow)
    Keys.onEscapePressed: close()

    visible: false
    width: 144
    height: items.length * rowHeight + 2
    z: 20
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    Accessible.role: Accessible.PopupMenu

    Item {
        x: 1
        y: 1
        Repeater {
            // A count, not the list: a new list of the same length (each
            // popup builds one) keeps the rows and only updates them.
            model: menu.items.length
            delegate: Rectangle {
                id: row
                required property int index
                readonly property var modelData: menu.items[index] || { text: "", enabled: false }
                objectName: "menuRow" + index
                y: index * menu.rowHeight
                width: menu.width - 2
                height: menu.rowHeight
                color: (hover.containsMouse || index === menu.keyRow) && modelData.enabled
                       ? Theme.colorOrange : "transparent"

                Accessible.role: Accessible.MenuItem
                Accessible.name: modelData.text
                Accessible.onPressAction: menu.choose(row.index)

                ThemedText {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.modelData.text
                    color: row.modelData.enabled ? Theme.fontColor : Theme.colorGray2
                }
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menu.choose(row.index)
                }
            }
        }
    }
}
