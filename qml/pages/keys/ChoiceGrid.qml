import QtQuick
import "../../controls"
import "../../logic/keyassign.js" as KeyAssign

// A drop-down grid of fixed choices. Its current cell follows the dialog's
// current assignment (none when it is not one of this grid's), so only a
// click on another labelled cell changes the current cell, and only that
// click applies a choice.
DropDownGrid {
    id: grid

    property var choices: []
    property var labels: KeyAssign.defaultLabels
    property var current: []
    property bool syncing: false

    signal chosen(var codes, string text)

    function matchIndex() {
        for (var i = 0; i < choices.length; ++i) {
            if (KeyAssign.sameCodes(choices[i].codes, current))
                return i
        }
        return -1
    }
    function fill() {
        syncing = true
        mdItems.clear()
        // whole rows: the cells after the last choice are gaps
        var cells = Math.ceil(choices.length / columns) * columns
        for (var i = 0; i < cells; ++i)
            mdItems.append({ "textValue": i < choices.length ? KeyAssign.labelOf(labels, choices[i].label) : "" })
        syncing = false
        follow()
    }
    function follow() {
        syncing = true
        currentSelect = matchIndex()
        textValue = KeyAssign.labelOf(labels, choices[Math.max(currentSelect, 0)].label)
        syncing = false
    }

    width: 120

    onCurrentChanged: follow()
    onCurrentSelectChanged: {
        if (!syncing && currentSelect >= 0 && currentSelect < choices.length)
            chosen(choices[currentSelect].codes.slice(), KeyAssign.labelOf(labels, choices[currentSelect].label))
    }
    Component.onCompleted: fill()
}
