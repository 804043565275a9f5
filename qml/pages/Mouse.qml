import QtQuick
import "../basic"

// The mouse's front view with the highlight strip of each button and the
// numbered markers beside them. The selected (or hovered) button's strip is
// drawn in its selected form; only the first keyCount buttons are shown.
Item {
    id: picturePage

    property int keyCount: 8
    property int selectKey: -1
    property int hoverKey: -1

    signal clickBtn(int index)

    // marker boxes, in window pixels, for buttons 0 to 7
    readonly property var markerPositions: [[322, 120], [608, 120], [490, 80], [320, 274],
                                            [320, 322], [608, 288], [608, 323], [320, 217]]
    // Each strip picture holds only its own box of the front view (a
    // full-size layer per button would cost half a megabyte each); these are
    // the boxes' corners, as the viewBox of each strip's drawing gives them.
    readonly property var stripCorners: [[0, 3], [141, 3], [129, 0], [0, 170],
                                         [0, 218], [223, 184], [223, 219], [0, 113]]

    width: 1024
    height: 640

    Item {
        id: picture
        objectName: "picture"
        x: Math.round((picturePage.width - width) / 2)
        y: 101
        width: front.implicitWidth
        height: front.implicitHeight

        Image {
            id: front
            source: Theme.skinImage("mouse", "mouseFront.png")
        }
        Repeater {
            model: Math.min(picturePage.keyCount, 8)
            delegate: Image {
                readonly property bool isMarked: picturePage.selectKey === index || picturePage.hoverKey === index
                objectName: "strip_" + index
                x: picturePage.stripCorners[index][0]
                y: picturePage.stripCorners[index][1]
                source: Theme.skinImage("mouse", "key" + (index + 1) + (isMarked ? "Select.png" : ".png"))
            }
        }
    }
    Repeater {
        model: Math.min(picturePage.keyCount, 8)
        delegate: Rectangle {
            objectName: "marker_" + index
            readonly property bool isMarked: picturePage.selectKey === index || picturePage.hoverKey === index || area.containsMouse
            x: picturePage.markerPositions[index][0]
            y: picturePage.markerPositions[index][1]
            width: 48
            height: 24
            color: isMarked ? Theme.colorOrange : Theme.colorBlue
            border.color: Theme.colorGray1
            Accessible.role: Accessible.Button
            Accessible.name: number.text
            Accessible.onPressAction: picturePage.clickBtn(index)
            ThemedText {
                id: number
                anchors.centerIn: parent
                text: String(index + 1)
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: picturePage.clickBtn(index)
            }
        }
    }
}
