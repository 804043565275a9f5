import QtQuick
import "../basic"

// Drop-down list of text rows (role "textValue"). A chosen row is announced
// with valueChange only after the list has folded away.
DropDown {
    id: dropList

    property int count: mdItems.count
    property ListModel mdItems: ListModel {}
    property int currentSelect: 2

    signal valueChange(int index)
    signal dragSignal(bool isDrag)

    readonly property int rowHeight: 24
    readonly property int maxVisibleRows: 10
    readonly property int scrollBarWidth: 12
    readonly property bool hasScrollBar: count > maxVisibleRows
    // Row waiting for the fold to end before it is announced; -1 for none.
    property int chosenRow: -1

    function choose(row) {
        currentSelect = row
        chosenRow = row
        setDrop(false)
    }
    function syncText() {
        if (currentSelect >= 0 && currentSelect < mdItems.count)
            textValue = mdItems.get(currentSelect).textValue
    }

    onCurrentSelectChanged: syncText()
    onMdItemsChanged: syncText()
    Component.onCompleted: syncText()
    Connections {
        target: dropList.mdItems
        function onCountChanged() { dropList.syncText() }
        function onDataChanged() { dropList.syncText() }
    }

    unfolding: box
    keyRowCount: count
    keyRowStart: currentSelect
    onKeyRowChosen: function (row) { choose(row) }
    onKeyRowChanged: if (keyRow >= 0) rows.positionViewAtIndex(keyRow, ListView.Contain)

    DropBox {
        id: box
        objectName: "dropBox"
        y: dropList.height
        width: parent.width
        openHeight: Math.min(dropList.count, dropList.maxVisibleRows) * dropList.rowHeight
        duration: 180 - 10 * dropList.count
        onClosed: {
            var row = dropList.chosenRow
            dropList.chosenRow = -1
            if (row >= 0)
                dropList.valueChange(row)
        }

        Rectangle {
            width: parent.width
            height: box.openHeight
            color: dropList.bgColor
            border.color: dropList.borderColor
        }

        ListView {
            id: rows
            objectName: "rows"
            width: parent.width - (dropList.hasScrollBar ? dropList.scrollBarWidth : 0)
            height: box.openHeight
            // rows exist only while the list shows: a screen holds many
            // folded drop-downs
            model: box.visible ? dropList.mdItems : null
            interactive: dropList.hasScrollBar
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            delegate: Rectangle {
                width: rows.width
                height: dropList.rowHeight
                color: index === dropList.highlightedRow || hover.containsMouse
                       ? Theme.colorOrange : dropList.bgColor
                Accessible.role: Accessible.ListItem
                Accessible.name: model.textValue
                Accessible.selected: index === dropList.currentSelect
                Accessible.onPressAction: dropList.choose(index)
                ThemedText {
                    anchors.centerIn: parent
                    anchors.horizontalCenterOffset: dropList.horizontalOffset
                    text: model.textValue
                }
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: dropList.choose(index)
                }
            }
        }

        Rectangle {
            id: scrollTrack
            visible: dropList.hasScrollBar
            anchors.right: parent.right
            width: dropList.scrollBarWidth
            height: box.openHeight
            color: Theme.colorGray1

            Rectangle {
                id: scrollHandle
                objectName: "scrollHandle"
                readonly property real span: parent.height - height
                function followList() {
                    return rows.visibleArea.yPosition * scrollTrack.height
                }
                width: parent.width
                height: parent.height * rows.visibleArea.heightRatio
                radius: width / 2
                color: Theme.colorGray2
                y: followList()
                onYChanged: if (handleArea.pressed && span > 0)
                                rows.contentY = y / span * (rows.contentHeight - rows.height)

                MouseArea {
                    id: handleArea
                    anchors.fill: parent
                    drag.target: scrollHandle
                    drag.axis: Drag.YAxis
                    drag.minimumY: 0
                    drag.maximumY: scrollHandle.span
                    drag.threshold: 0
                    onPressed: dropList.dragSignal(true)
                    onReleased: release()
                    onCanceled: release()
                    function release() {
                        scrollHandle.y = Qt.binding(scrollHandle.followList)
                        dropList.dragSignal(false)
                    }
                }
            }
        }
    }
}
