import QtQuick
import QtTest
import "qrc:/modules/qml/pages"

// The button strips of the mouse picture are drawn cropped to their own
// boxes: each must land where its drawing's box lies on the front view.
Item {
    id: root
    width: 1024
    height: 640

    Mouse { id: mouse }

    TestCase {
        name: "MouseStrips"
        when: windowShown

        // The box "x y width height" of a drawing in the artwork sources.
        function viewBoxOf(name) {
            var request = new XMLHttpRequest()
            request.open("GET", Qt.resolvedUrl("../../qml/img/svg/mouse/" + name + ".svg"), false)
            request.send()
            var found = /viewBox="([^"]+)"/.exec(request.responseText)
            verify(found !== null, name + " has a box")
            return found[1].split(" ").map(Number)
        }

        function test_stripsSitOnTheirBoxes_data() {
            var rows = []
            for (var i = 0; i < 8; ++i)
                rows.push({ tag: "button " + (i + 1), index: i })
            return rows
        }
        function test_stripsSitOnTheirBoxes(data) {
            var strip = findChild(mouse, "strip_" + data.index)
            verify(strip !== null)
            for (var selected of [false, true]) {
                mouse.selectKey = selected ? data.index : -1
                tryCompare(strip, "status", Image.Ready)
                var box = viewBoxOf("key" + (data.index + 1) + (selected ? "Select" : ""))
                compare([strip.x, strip.y, strip.sourceSize.width, strip.sourceSize.height], box,
                        selected ? "selected" : "normal")
            }
        }
    }
}
