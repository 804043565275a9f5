import QtQuick
import "../../basic"

// A small mark that acts as a button: a check (confirm) or a cross (cancel).
// The marks are drawn, not typed: one ✓ in the scene's CJK font makes the
// text engine load some 2.6 MB of font tables that nothing else on the
// English screen needs. `name` is what screen readers announce.
Item {
    id: button

    property string mark: "check"   // "check" or "cross"
    property string name
    property color color: Theme.fontColor

    signal clicked()

    readonly property color strokeColor: area.containsMouse || activeFocus ? Theme.colorOrange : color
    readonly property bool isCheck: mark === "check"

    width: 20
    height: 20
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()

    // a stroke of the mark, placed by its centre and turned about it
    component Stroke: Rectangle {
        property real centreX
        property real centreY
        x: centreX - width / 2
        y: centreY - height / 2
        height: 2
        antialiasing: true
        color: button.strokeColor
    }

    // check: a short stroke down to the knee at (8, 14), a long one up to (16, 6)
    Stroke { visible: button.isCheck; centreX: 6; centreY: 12; width: 7; rotation: 45 }
    Stroke { visible: button.isCheck; centreX: 12; centreY: 10; width: 12.5; rotation: -45 }
    // cross: two strokes through the middle
    Stroke { visible: !button.isCheck; centreX: 10; centreY: 10; width: 13; rotation: 45 }
    Stroke { visible: !button.isCheck; centreX: 10; centreY: 10; width: 13; rotation: -45 }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
