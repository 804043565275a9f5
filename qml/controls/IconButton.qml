import QtQuick
import "../basic"

// A picture that acts as a button. `name` is what screen readers announce
// ("Close", "Restore", "Help", "Minimise"); the hovered picture, when the
// skin has one, is `<file>` with "H" before the extension.
Item {
    id: icon

    property string name
    property string folder: "index"
    property string file
    property bool hasHoverPicture: true

    signal clicked()

    width: picture.implicitWidth
    height: picture.implicitHeight
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    function hoverName(f) {
        var dot = f.lastIndexOf(".")
        return f.substring(0, dot) + "H" + f.substring(dot)
    }

    Image {
        id: picture
        source: Theme.skinImage(icon.folder, hasHoverPicture && (area.containsMouse || icon.activeFocus)
                                ? icon.hoverName(icon.file) : icon.file)
    }
    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -2
        hoverEnabled: true
        onClicked: icon.clicked()
    }
}
