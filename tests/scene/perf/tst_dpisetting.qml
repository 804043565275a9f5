import QtQuick
import QtTest
import "qrc:/modules/qml/pages"

// The DPI panel against the recording view double.
Item {
    id: root
    width: 400
    height: 400

    property int mainFocusCalls: 0
    function mainFocus() { ++mainFocusCalls }

    DpiSetting { id: panel; x: 20; y: 20 }

    TestCase {
        name: "DpiSetting"
        when: windowShown

        readonly property var defaults: [500, 1000, 1500, 2000, 3000, 4000, 5000, 6000]

        function init() {
            callLog.clear()
            ui_View.reset()
            ui_View.global = { "mouse/minDPI": "200", "mouse/maxDPI": "6000", "mouse/dpiBase": "50",
                               "mouse/sensorType": "3389" }
            ui_View.profile = { "mouse/dpiCount": "4", "mouse/currentDpiCount": "3",
                                "mouse/dpiValueArray": ["400", "800", "1600", "3200", "3000", "4000", "5000", "6000"] }
            ui_View.factory = { "mouse/dpiValueArray": defaults.map(String) }
            panel.currentDPI = 0
            panel.isSave = false
            root.mainFocusCalls = 0
        }

        function slider(i) { return findChild(panel, "stageSlider" + i) }
        function shown() {
            var out = []
            for (var i = 0; i < 8; ++i) {
                if (slider(i).parent.visible)
                    out.push(findChild(panel, "stageValue" + i).text)
            }
            return out
        }
        function loaded() {
            panel.init(false, false)
            callLog.clear()
        }

        function test_loadsCountsAndLimits() {
            loaded()
            compare(panel.dpiCount, 4)
            compare(panel.currentDpiCount, 3)
            compare(panel.sensorType, "3389")
            compare(panel.dpiSegment.count, 4, "offers 1 .. dpiCount only")
            var rows = []
            for (var i = 0; i < panel.dpiSegment.count; ++i)
                rows.push(panel.dpiSegment.mdItems.get(i).textValue)
            compare(rows, ["1", "2", "3", "4"])
            compare(panel.dpiSegment.textValue, "3")
            compare(panel.dpiSegment.isDrop, false)
            compare(shown(), ["400", "800", "1600"])
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
            verify(!panel.isSave)
        }

        function test_defaultsShowUnchangedAndSaveAsLoaded() {
            ui_View.profile["mouse/dpiValueArray"] = defaults.map(String)
            ui_View.profile["mouse/currentDpiCount"] = "8"
            ui_View.profile["mouse/dpiCount"] = "8"
            panel.init(true, false)
            compare(panel.dpiValueArray, defaults)
            compare(slider(7).knobX, 162, "6000 sits one past the drag range")
            compare(callLog.argsOf("ui_View.setDataList"), [["mouse/dpiValueArray", defaults]])
            compare(callLog.argsOf("ui_View.setData"), [["mouse/currentDpiCount", 8]])
            compare(callLog.argsOf("ui_View.mouseSetDpi"), [[8, "3389", defaults]])
        }

        function test_storedValuesComeBackQuantised() {
            ui_View.profile["mouse/dpiValueArray"] = ["1234", "9000"]
            loaded()
            compare(panel.dpiValueArray, [1250, 6000, 1500, 2000, 3000, 4000, 5000, 6000])
            panel.saveData(false)
            compare(callLog.argsOf("ui_View.setDataList")[0][1][0], 1250)
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }

        function test_unusableLimitsFallBackToDefaults() {
            ui_View.global["mouse/maxDPI"] = "200"
            ignoreWarning("DPI limits unusable, the defaults stand in")
            loaded()
            compare([panel.minDPI, panel.maxDPI, panel.dpiBase], [200, 6000, 50])
            compare(shown(), ["400", "800", "1600"])
        }

        function test_activeStageIsOrange() {
            loaded()
            panel.currentDPI = 1
            for (var i = 0; i < 8; ++i)
                compare(Qt.colorEqual(slider(i).colorS, i === 1 ? "#d74400" : "#09347f"), true, "stage " + i)
            panel.currentDPI = -1 // the mouse did not answer
            for (i = 0; i < 8; ++i)
                verify(Qt.colorEqual(slider(i).colorS, "#09347f"), "stage " + i)
        }

        function test_choosingOneStageShowsOneSlider() {
            loaded()
            mouseClick(panel.dpiSegment, 10, 12)
            tryCompare(panel.dpiSegment, "isDrop", true)
            var box = findChild(panel.dpiSegment, "dropBox")
            tryCompare(box, "height", 4 * 24)
            mouseClick(panel.dpiSegment, 10, 24 + 12) // row "1"
            tryCompare(panel, "currentDpiCount", 1)
            verify(panel.isSave)
            compare(shown(), ["400"])
            panel.saveData(true)
            compare(callLog.argsOf("ui_View.setData"), [["mouse/currentDpiCount", 1]])
            compare(callLog.argsOf("ui_View.mouseSetDpi")[0][0], 1)
        }

        // Dragging a stage's knob upwards raises its value as it moves; the
        // release leaves the panel waiting for Save.
        function test_dragUpRaisesTheValue() {
            loaded()
            var knob = findChild(slider(1), "knob")
            var start = knob.mapToItem(root, 6, 6)
            compare(knob.x, 20) // 800
            mousePress(root, start.x, start.y)
            mouseMove(root, start.x, start.y - 11, -1, Qt.LeftButton)
            mouseMove(root, start.x, start.y - 22, -1, Qt.LeftButton)
            compare(knob.x, 42)
            compare(findChild(panel, "stageValue1").text, "1600")
            verify(!panel.isSave, "not before the release")
            mouseRelease(root, start.x, start.y - 22)
            verify(panel.isSave)
            compare(root.mainFocusCalls, 1, "a press closes the main screen's drop-downs")
            panel.saveData(true)
            compare(callLog.argsOf("ui_View.mouseSetDpi"), [[3, "3389", [400, 1600, 1600, 3200, 3000, 4000, 5000, 6000]]])
        }

        function test_clickOnTrackGlidesThere() {
            loaded()
            // the track of stage 3, 60 pixels above its bottom end
            var bottom = slider(2).mapToItem(root, 0, 6)
            mouseClick(root, bottom.x, bottom.y - 60)
            tryCompare(panel, "isSave", true)
            var knob = findChild(slider(2), "knob")
            compare(knob.x, 54)
            compare(panel.dpiValueArray[2], 2050)
        }

        function test_restoreTakesFactoryValuesKeepsCount() {
            loaded()
            mouseClick(findChild(panel, "restore"))
            verify(panel.isSave)
            compare(panel.currentDpiCount, 3)
            compare(shown(), ["500", "1000", "1500"])
            compare(callLog.argsOf("ui_View.getDataList"), [["mouse/dpiValueArray", true]])
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }
    }
}
