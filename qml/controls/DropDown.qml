import QtQuick
import "../basic"

// What the drop-downs share: the head, which folds and unfolds the part
// each kind supplies as `unfolding`, and their colours.
Item {
    id: dropDown

    property bool isDrop: false
    property string textValue
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    property int horizontalOffset: 0
    property DropBox unfolding

    signal btnClick()

    function closeMenu() {
        if (isDrop)
            setDrop(false)
    }
    function setDrop(open) {
        isDrop = open
        unfolding.setOpen(open)
    }

    width: 120
    height: head.height
    // Unfolded parts hang below the head: keep them above later siblings.
    z: unfolding && unfolding.visible ? 10 : 0

    DropHead {
        id: head
        objectName: dropDown.objectName + "Head"
        width: parent.width
        color: dropDown.bgColor
        border.color: head.activeFocus ? Theme.colorOrange : dropDown.borderColor
        text: dropDown.textValue
        horizontalOffset: dropDown.horizontalOffset
        isOpen: dropDown.isDrop
        onClicked: {
            dropDown.btnClick()
            // a click while folding or unfolding only counts as a click
            if (!dropDown.unfolding.running)
                dropDown.setDrop(!dropDown.isDrop)
        }
    }
}
