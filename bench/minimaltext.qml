import QtQuick

// The minimal scene with one line of text in the scene's font: what any
// window that shows words pays on top of the rectangle (font set-up, shaping,
// glyphs).
Rectangle {
    width: 1024
    height: 640
    color: "#1a1a1a"

    Text {
        anchors.centerIn: parent
        text: "LOADING ......"
        color: "#ffffff"
        font.family: "微软雅黑"
        font.pixelSize: 14
    }
}
