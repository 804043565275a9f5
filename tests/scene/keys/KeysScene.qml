import QtQuick
import "qrc:/modules/qml/pages"
import "qrc:/modules/qml/basic"

// The three key pages wired as the main screen wires them: selection on the
// picture, the last-left-button guard, macro sends recorded.
Item {
    id: scene

    property alias keyMatrix: keyMatrix
    property alias mouse: mouse
    property alias dialog: keyAssigment
    property alias keyTable: keyTable
    property var sentMacros: []

    function openKeyAssignment(index) {
        mouse.selectKey = index
        if (keyMatrix.checkOneLeftKey() === index)
            return false
        keyAssigment.show(index)
        keyAssigment.open()
        return true
    }

    width: 1024
    height: 640

    KeyCodeString { id: keyTable }

    Mouse {
        id: mouse
        onClickBtn: function (index) {
            if (!scene.openKeyAssignment(index))
                mouse.selectKey = -1
        }
    }
    KeyMatrix {
        id: keyMatrix
        x: 24
        y: 88
        keyTable: keyTable
        selectKey: mouse.selectKey
        assignmentLabels: keyAssigment.keyAssigmentLang
        onEnterBtn: function (index) { mouse.hoverKey = index }
        onLeaveBtn: function (index) { if (!keyAssigment.visible) mouse.hoverKey = -1 }
        onClickBtn: function (index) { scene.openKeyAssignment(index) }
        onSendMacro: function (slot, name) { scene.sentMacros.push([slot, name]) }
    }
    KeyAssigment {
        id: keyAssigment
        x: 304
        y: 118
        keyTable: keyTable
        buttonList: keyMatrix
        onSendMacro: function (slot, name) { scene.sentMacros.push([slot, name]) }
        onClosed: { mouse.hoverKey = -1; mouse.selectKey = -1 }
    }
}
