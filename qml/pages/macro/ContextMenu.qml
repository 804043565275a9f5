import QtQuick
import "../../basic"

// Pop-up menu of rows. `items` are { text, enabled }; a disabled row is
// drawn grey and cannot be chosen. The menu stays inside its parent.
Rectangle {
    id: menu

    property var items: []

    signal chosen(int index)

    readonly property int rowHeight: 24

    function popup(px, py, rows) {
        items = rows
        x = Math.max(0, Math.min(px, parent.width - width))
        y = Math.max(0, Math.min(py, parent.height - height))
        visible = true
    }
    function close() {
        visible = false
    }

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
                color: hover.containsMouse && modelData.enabled ? Theme.colorOrange : "transparent"

                Accessible.role: Accessible.MenuItem
                Accessible.name: modelData.text
                Accessible.onPressAction: hover.choose()

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
                    function choose() {
                        if (!row.modelData.enabled)
                            return
                        menu.close()
                        menu.chosen(row.index)
                    }
                    onClicked: choose()
                }
            }
        }
    }
}
