import QtQuick

// Moves the frameless window with the pointer: the offset from the press
// point goes to the window controller, first x then y. The window follows,
// so the press point stays under the pointer.
MouseArea {
    property real pressX: 0
    property real pressY: 0

    acceptedButtons: Qt.LeftButton
    onPressed: function(mouse) {
        pressX = mouse.x
        pressY = mouse.y
    }
    onPositionChanged: function(mouse) {
        if (!pressed)
            return
        ui_Ctl.onXChanged(Math.round(mouse.x - pressX))
        ui_Ctl.onYChanged(Math.round(mouse.y - pressY))
    }
}
