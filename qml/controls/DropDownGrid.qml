import QtQuick
import "../basic"

// Drop-down that unfolds a grid of three columns, each as wide as the head.
// Cells without text are gaps: clicking one only folds the grid.
DropDown {
    id: dropGrid

    property ListModel mdItems: ListModel {}
    property int currentSelect: 0

    readonly property int columns: 3
    readonly property int rowHeight: 24
    readonly property int rowCount: Math.ceil(mdItems.count / columns)

    function chooseCell(cell) {
        var text = mdItems.get(cell).textValue
        if (text !== undefined && String(text) !== "")
            currentSelect = cell
        setDrop(false)
        btnClick()
    }
    function syncText() {
        if (currentSelect >= 0 && currentSelect < mdItems.count)
            textValue = mdItems.get(currentSelect).textValue
    }

    onCurrentSelectChanged: syncText()
    onMdItemsChanged: syncText()
    Component.onCompleted: syncText()
    Connections {
        target: dropGrid.mdItems
        function onCountChanged() { dropGrid.syncText() }
        function onDataChanged() { dropGrid.syncText() }
    }

    unfolding: box
    keyRowCount: mdItems.count
    keyColumns: columns
    keyRowStart: currentSelect
    onKeyRowChosen: function (cell) { chooseCell(cell) }

    DropBox {
        id: box
        objectName: "dropBox"
        y: dropGrid.height
        width: dropGrid.width * dropGrid.columns
        openHeight: dropGrid.rowCount * dropGrid.rowHeight
        // Timed like the list, by its number of rows.
        duration: 180 - 10 * dropGrid.rowCount

        Rectangle {
            width: parent.width
            height: box.openHeight
            color: dropGrid.bgColor
            border.color: dropGrid.borderColor
        }

        Grid {
            columns: dropGrid.columns
            Repeater {
                objectName: "cells"
                // cells exist only while the grid shows: a screen holds many
                // folded drop-downs
                model: box.visible ? dropGrid.mdItems : null
                delegate: Rectangle {
                    width: dropGrid.width
                    height: dropGrid.rowHeight
                    color: index === dropGrid.highlightedRow || hover.containsMouse
                           ? Theme.colorOrange : "transparent"
                    border.color: dropGrid.borderColor
                    Accessible.role: Accessible.ListItem
                    Accessible.name: model.textValue
                    Accessible.selected: index === dropGrid.currentSelect
                    Accessible.onPressAction: dropGrid.chooseCell(index)
                    ThemedText {
                        anchors.centerIn: parent
                        anchors.horizontalCenterOffset: dropGrid.horizontalOffset
                        text: model.textValue
                    }
                    MouseArea {
                        id: hover
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: dropGrid.chooseCell(index)
                    }
                }
            }
        }
    }
}
