import QtQuick

// Window background: drawn under every other region of the scene.
Item {
    width: 1024
    height: 640

    Theme { id: theme }

    Image {
        anchors.fill: parent
        source: theme.windowImage("background.png")
    }
    Image {
        anchors.top: parent.top
        anchors.left: parent.left
        source: theme.windowImage("titleBar.png")
    }
    Image {
        x: 48
        y: 12
        source: theme.windowImage("titleLogo.png")
    }
}
