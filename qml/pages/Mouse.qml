import QtQuick
import "../basic"

// PLACEHOLDER for the mouse picture and its numbered markers: the
// interface the main screen uses and the picture itself. The keys page
// replaces this file wholesale.
Item {
    property int keyCount: 8
    property int selectKey: -1
    property int hoverKey: -1

    signal clickBtn(int index)

    width: 1024
    height: 640

    Theme { id: theme }

    Image {
        x: Math.round((parent.width - width) / 2)
        y: 101
        source: theme.skinImage("mouse", "mouseFront.png")
    }
}
