import QtQuick
import "../basic"

// Help menu of the top bar: the help web page and the version line.
Rectangle {
    id: menu

    property string url

    width: 200
    height: 48
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    function openUrl() {
        menu.visible = false
        if (url !== "")
            Qt.openUrlExternally(url)
    }

    Column {
        Repeater {
            model: [menu.url, "verison:1.0"]
            Rectangle {
                objectName: "helpRow" + index
                width: menu.width
                height: 24
                color: rowArea.containsMouse || activeFocus ? Theme.colorOrange : "transparent"
                activeFocusOnTab: menu.visible
                Accessible.role: Accessible.MenuItem
                Accessible.name: modelData
                Accessible.onPressAction: activate()
                Keys.onReturnPressed: activate()
                Keys.onSpacePressed: activate()
                function activate() {
                    if (index === 0)
                        menu.openUrl()
                    else
                        menu.visible = false
                }
                ThemedText {
                    x: 8
                    width: parent.width - 16
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: modelData
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: parent.activate()
                }
            }
        }
    }
}
