import QtQuick
import "../basic"

// Label followed by a tick box. The click is announced before the toggle,
// so a handler reads the state the user saw when clicking.
Item {
    id: check

    property string textValue
    property bool isSelect: false
    property int index: -1
    property int gapValue: 8
    property color bgColor: "transparent"
    property color borderColor: Theme.colorGray2

    signal btnClick(int index)

    readonly property int boxSize: 12
    readonly property int clickMargin: 6

    width: label.implicitWidth + gapValue + boxSize
    height: Math.max(label.implicitHeight, boxSize)
    activeFocusOnTab: true

    function click() {
        btnClick(index)
        isSelect = !isSelect
    }
    Accessible.role: Accessible.CheckBox
    Accessible.name: textValue
    Accessible.checkable: true
    Accessible.checked: isSelect
    Accessible.onToggleAction: click()
    Accessible.onPressAction: click()
    Keys.onSpacePressed: click()

    ThemedText {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        color: check.activeFocus ? Theme.colorOrange : Theme.fontColor
        text: check.textValue
    }
    Rectangle {
        x: label.implicitWidth + check.gapValue
        anchors.verticalCenter: parent.verticalCenter
        width: check.boxSize
        height: check.boxSize
        radius: 2
        border.width: 1
        border.color: check.borderColor
        color: check.bgColor

        Image {
            anchors.centerIn: parent
            visible: check.isSelect
            source: Theme.skinImage("index", "checkBtn.png")
        }
    }
    MouseArea {
        anchors.fill: parent
        anchors.margins: -check.clickMargin
        onClicked: check.click()
    }
}
