import QtQuick
import "../../basic"

// Framed list of 27-pixel rows with a thin scroll indicator. A right click
// anywhere in it asks for the menu with the row under the pointer (-1
// below the last row) and the point in the list's coordinates.
Rectangle {
    id: list

    property alias model: view.model
    property alias delegate: view.delegate
    property alias view: view

    signal menuRequested(int row, real px, real py)

    readonly property int rowHeight: 27

    function showEnd() {
        view.positionViewAtEnd()
    }

    color: "transparent"
    border.color: Theme.colorGray1

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
            list.menuRequested(row, mouse.x + view.x, mouse.y + view.y)
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
