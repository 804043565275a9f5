import QtQuick

// Text in the scene's font and colour.
Text {
    color: Theme.fontColor
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontNormalSize
}
