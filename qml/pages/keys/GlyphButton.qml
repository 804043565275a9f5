import QtQuick
import "../../basic"

// A one-character mark that acts as a button (× close, ↺ restore, ✓ confirm).
// `name` is what screen readers announce.
Item {
    id: mark

    property string glyph
    property string name
    property color color: Theme.fontColor

    signal clicked()

    width: 20
    height: 20
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()

    ThemedText {
        anchors.centerIn: parent
        font.pixelSize: Theme.fontMaxSize
        color: area.containsMouse || mark.activeFocus ? Theme.colorOrange : mark.color
        text: mark.glyph
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: mark.clicked()
    }
}
