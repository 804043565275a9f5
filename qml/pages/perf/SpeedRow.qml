import QtQuick
import "../../basic"

// A titled slider with the words for its two ends under them.
Column {
    id: row

    property string title
    property url icon
    property string slow
    property string fast
    default property alias content: holder.data

    spacing: 6

    Row {
        spacing: 8
        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: row.icon
        }
        ThemedText {
            text: row.title
        }
    }
    Item {
        id: holder
        width: childrenRect.width
        height: childrenRect.height
    }
    Item {
        width: holder.width
        height: ends.implicitHeight
        ThemedText {
            id: ends
            font.pixelSize: Theme.fontMinSize
            color: Theme.colorGray2
            text: row.slow
        }
        ThemedText {
            anchors.right: parent.right
            font.pixelSize: Theme.fontMinSize
            color: Theme.colorGray2
            text: row.fast
        }
    }
}
