import QtQuick
import "../../basic"

// A 14 x 14 square in a colour, with a number written in black or white,
// whichever reads better on it.
Rectangle {
    id: chip

    property var rgb: [255, 255, 255]
    property string label

    width: 14
    height: 14
    color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
    border.width: 1
    border.color: Theme.colorGray1

    Text {
        anchors.centerIn: parent
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
        color: 0.299 * chip.rgb[0] + 0.587 * chip.rgb[1] + 0.114 * chip.rgb[2] > 150 ? "#000000" : "#ffffff"
        text: chip.label
    }
}
