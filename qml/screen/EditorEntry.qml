import QtQuick
import "../basic"
import "../controls"

// One entry of the left column that opens a dialog: a 216 × 24 row, or
// wider for the "System setting" entry.
TextButton {
    width: 216
    bgColor: Theme.colorGray0
    border.color: activeFocus ? Theme.colorOrange : Theme.colorGray1
}
