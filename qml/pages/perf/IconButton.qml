import QtQuick

// A picture that acts as a button, e.g. the restore and close marks of the
// performance and lighting pages. `name` is what assistive tools announce.
Image {
    id: button

    property string name

    signal clicked()

    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: button.clicked()

    width: 16
    height: 16
    opacity: area.containsMouse ? 1.0 : 0.8

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -4
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
