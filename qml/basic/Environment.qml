import QtQuick

// Window background: drawn under every other region of the scene.
Item {
    width: 1024
    height: 640

    Image {
        anchors.fill: parent
        source: Theme.windowImage("background.png")
    }
    Image {
        anchors.top: parent.top
        anchors.left: parent.left
        source: Theme.windowImage("titleBar.png")
    }
    Image {
        x: 48
        y: 12
        source: Theme.windowImage("titleLogo.png")
    }
}
