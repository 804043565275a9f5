import QtQuick
import "../../basic"
import "../../logic/listkeys.js" as ListKeys

// Framed list of 27-pixel rows with a thin scroll indicator. A right click
// anywhere in it asks for the menu with the row under the pointer (-1
// below the last row) and the point in the list's coordinates.
//
// Keyboard: Up and Down choose the row above or below the current one
// (rowChosen, as a click), Enter acts on it as a double click does
// (rowActivated), and the Menu key or Shift+F10 asks for the menu at it.
Rectangle {
    id: list

    property alias model: view.model
    property alias delegate: view.delegate
    property alias view: view
    // The page's current row, where the keyboard starts from.
    property int currentRow: -1

    signal menuRequested(int row, real px, real py, bool byKey)
    signal rowChosen(int row)
    signal rowActivated(int row)

    readonly property int rowHeight: 27

    function showEnd() {
        view.positionViewAtEnd()
    }
    // Returns whether `event` was one of the list's keys.
    function pressKey(event) {
        var action = ListKeys.listKey(event.key, event.modifiers, currentRow, view.count)
        if (action === null)
            return false
        if (action.kind === "choose") {
            view.positionViewAtIndex(action.row, ListView.Contain)
            rowChosen(action.row)
        } else if (action.kind === "activate" && currentRow >= 0) {
            rowActivated(currentRow)
        } else if (action.kind === "menu") {
            if (currentRow >= 0)
                view.positionViewAtIndex(currentRow, ListView.Contain)
            var rowY = currentRow < 0 ? 0 : currentRow * rowHeight - view.contentY
            menuRequested(currentRow, view.x + 16, view.y + rowY + rowHeight / 2, true)
        }
        return true
    }

    color: "transparent"
    border.color: activeFocus ? Theme.colorOrange : Theme.colorGray1
    activeFocusOnTab: true
    Keys.onPressed: function (event) { event.accepted = list.pressKey(event) }

    Accessible.role: Accessible.List

    ListView {
        id: view
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        boundsBehavior: Flickable.StopAtBounds
    }
    MouseArea {
        anchors.fill: view
        acceptedButtons: Qt.RightButton
        onClicked: function (mouse) {
            var row = view.indexAt(mouse.x + view.contentX, mouse.y + view.contentY)
            list.menuRequested(row, mouse.x + view.x, mouse.y + view.y, false)
        }
    }
    Rectangle {
        visible: view.visibleArea.heightRatio < 1
        anchors.right: parent.right
        anchors.rightMargin: 2
        y: view.y + view.visibleArea.yPosition * view.height
        width: 3
        height: view.visibleArea.heightRatio * view.height
        radius: 1
        color: Theme.colorGray2
    }
}
