import QtQuick
import "../basic"

// Disc and label. A click only ever selects; the page clears the other
// buttons of its group when it hears btnClick.
Item {
    id: radio

    property string textValue
    property bool isSelect: false
    property int index: -1
    property int gapValue: 16
    property int fontSize: Theme.fontNormalSize

    signal btnClick(int index)

    readonly property int discSize: 10
    readonly property int dotSize: 6
    readonly property int clickMargin: 6

    width: discSize + gapValue + label.implicitWidth
    height: Math.max(label.implicitHeight, discSize)
    activeFocusOnTab: true

    function click() {
        isSelect = true
        btnClick(index)
    }
    Accessible.role: Accessible.RadioButton
    Accessible.name: textValue
    Accessible.checkable: true
    Accessible.checked: isSelect
    Accessible.onPressAction: click()
    Keys.onSpacePressed: click()

    Rectangle {
        id: disc
        anchors.verticalCenter: parent.verticalCenter
        width: radio.discSize
        height: radio.discSize
        radius: width / 2
        color: Theme.colorGray3

        Rectangle {
            anchors.centerIn: parent
            visible: radio.isSelect
            width: radio.dotSize
            height: radio.dotSize
            radius: width / 2
            color: Theme.colorOrange
        }
    }
    ThemedText {
        id: label
        x: radio.discSize + radio.gapValue
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: radio.fontSize
        // the keyboard's place shows as on the other controls
        color: radio.activeFocus ? Theme.colorOrange : Theme.fontColor
        text: radio.textValue
    }
    MouseArea {
        anchors.fill: parent
        anchors.margins: -radio.clickMargin
        onClicked: radio.click()
    }
}
