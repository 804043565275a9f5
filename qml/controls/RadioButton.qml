import QtQuick
import "../basic"

// Disc and label. A click only ever selects; the page clears the other
// buttons of its group when it hears btnClick. Radios that share a `group`
// name are walked with the arrow keys, the choice following the keyboard as
// in desktop dialogs; from the last one the walk goes round to the first.
Item {
    id: radio

    property string textValue
    property bool isSelect: false
    property int index: -1
    property int gapValue: 16
    property int fontSize: Theme.fontNormalSize
    property string group

    signal btnClick(int index)

    readonly property int discSize: 10
    readonly property int dotSize: 6
    readonly property int clickMargin: 6
    readonly property int maxFocusSteps: 1000

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
    Keys.onUpPressed: function (event) { event.accepted = stepInGroup(false) }
    Keys.onLeftPressed: function (event) { event.accepted = stepInGroup(false) }
    Keys.onDownPressed: function (event) { event.accepted = stepInGroup(true) }
    Keys.onRightPressed: function (event) { event.accepted = stepInGroup(true) }

    // Chooses the next radio of the group in the Tab order (hidden and
    // disabled ones are not in it); false when there is no group.
    function stepInGroup(forward) {
        if (group === "")
            return false
        // bounded: the chain is a ring through this radio, but a ring that
        // missed it must not hang the window
        var next = radio
        for (var steps = 0; steps < maxFocusSteps; ++steps) {
            next = next.nextItemInFocusChain(forward)
            if (!next || next === radio)
                break
            if (next.group === group && typeof next.stepInGroup === "function") {
                next.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
                next.click()
                return true
            }
        }
        return true
    }

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
