import QtQuick
import "../../controls"
import "../../logic/keyassign.js" as KeyAssign

// One radio group of fixed choices. A radio shows as selected exactly when
// the dialog's current assignment is its choice, so choosing one clears the
// others (and those of the other groups).
Grid {
    id: radios

    property var choices: []
    property var labels: KeyAssign.defaultLabels
    property var current: []
    property int columnWidth: 128

    signal chosen(var codes, string text)

    columns: 3
    rowSpacing: 8

    Repeater {
        model: radios.choices
        delegate: Item {
            width: radios.columnWidth
            height: radio.height
            RadioButton {
                id: radio
                objectName: "radio_" + modelData.label
                // each titled group is walked on its own
                group: radios.objectName
                textValue: KeyAssign.labelOf(radios.labels, modelData.label)
                isSelect: KeyAssign.sameCodes(modelData.codes, radios.current)
                Accessible.role: Accessible.RadioButton
                Accessible.name: textValue
                Accessible.checked: isSelect
                onBtnClick: {
                    radios.chosen(modelData.codes.slice(), textValue)
                    // the click broke the binding; the current assignment decides
                    isSelect = Qt.binding(function () {
                        return KeyAssign.sameCodes(modelData.codes, radios.current)
                    })
                }
            }
        }
    }
}
