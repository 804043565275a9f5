import QtQuick

// Text in the scene's font and colour.
Text {
    Theme { id: theme }
    color: theme.fontColor
    font.family: theme.fontFamily
    font.pixelSize: theme.fontNormalSize
}
