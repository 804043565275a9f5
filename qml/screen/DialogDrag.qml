import QtQuick

// Laid under a dialog's own content: a press on an empty part of the
// dialog takes the focus from its inputs (which ends their input) and
// drags the dialog, held wholly inside the window.
MouseArea {
    id: dragArea

    property Item dialog
    property Item bounds

    parent: dialog
    anchors.fill: parent
    z: -1
    drag.target: dialog
    drag.threshold: 0
    drag.minimumX: 0
    drag.minimumY: 0
    drag.maximumX: Math.max(0, bounds.width - dialog.width)
    drag.maximumY: Math.max(0, bounds.height - dialog.height)
    onPressed: dialog.forceActiveFocus()
}
