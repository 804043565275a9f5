import QtQuick
import QtTest

// Recording from synthetic key events with the 10 ms clock advanced by
// hand: delays, the length limit, stopping and saving.
Item {
    width: 1024
    height: 640

    EditorScene { id: scene }
    SignalSpy { id: edited; target: scene.editor; signalName: "modifyMacroData" }
    SignalSpy { id: closed; target: scene.editor; signalName: "closed" }

    TestCase {
        name: "MacroRecording"
        when: windowShown

        property var editor: scene.editor
        readonly property int keyA: 0x04
        readonly property int keyB: 0x05
        readonly property int mouseLeft: 0xF0

        function init() {
            scene.start(["Rec", "Other"])
            scene.files.add("Rec", ["1,Q", "2,Q"], 3)
            scene.files.add("Other", [], 1)
            editor.selectMacro(0)
            callLog.clear()
            edited.clear()
            closed.clear()
        }
        function startRecording(withDelay) {
            scene.part("delayBox").isSelect = withDelay
            mouseClick(scene.part("recordButton"))
            verify(editor.isInputting)
            compare(scene.part("recordButton").textValue, "Stop Record")
        }
        function press(code, isDown) {
            editor.detectKeyboard(isDown, code)
        }
        function lastSave() {
            var saves = callLog.argsOf("ui_View.saveMacroIni")
            verify(saves.length > 0, "saved")
            return saves[saves.length - 1]
        }

        function test_withDelay() {
            startRecording(true)
            compare(scene.actionTexts(), [])       // the old steps are gone
            scene.tick(30)                         // before the first event: not counted
            press(keyA, true)
            scene.tick(5)
            press(keyA, false)
            scene.tick(130)
            press(mouseLeft, true)
            press(mouseLeft, false)                // counter was reset: 0 ms
            compare(scene.actionTexts(), ["1,A", "0,50", "2,A", "0,1300", "3,MS-L", "0,0", "4,MS-L"])
            compare(callLog.count("ui_View.saveMacroIni"), 0)
            mouseClick(scene.part("recordButton"))
            verify(!editor.isInputting)
            verify(!scene.clock.running)
            compare(scene.part("recordButton").textValue, "Start Record")
            compare(lastSave(), ["Rec", ["1,A", "0,50", "2,A", "0,1300", "3,MS-L", "0,0", "4,MS-L"], 3])
            compare(edited.count, 1)
            compare(edited.signalArguments[0][0], "Rec")
        }

        function test_withoutDelay() {
            startRecording(false)
            press(keyA, true)
            scene.tick(200)
            press(keyA, false)
            scene.tick(7)
            press(keyB, true)
            compare(scene.actionTexts(), ["1,A", "2,A", "1,B"])
            // shortest timing between the actions
            compare(editor.deCode(editor.actions.asArray()),
                    [0x00, 0x03, 0x01, 0x04, 0x81, 0x04, 0x01, 0x05, 0x00, 0x00])
        }

        // 127 units or more between two actions cost four more bytes.
        function test_longPauseCountsFourBytes() {
            startRecording(true)
            press(keyA, true)
            scene.tick(126)
            press(keyA, false)
            compare(editor.actions.encodedLength(), 8)
            scene.tick(127)
            press(keyB, true)
            compare(editor.actions.encodedLength(), 14)
            compare(scene.actionTexts(), ["1,A", "0,1260", "2,A", "0,1270", "1,B"])
        }

        function fillTo(length) {
            // without delays every event is two bytes: 4 + 2n
            while (editor.actions.encodedLength() < length) {
                var n = scene.actionTexts().length
                press(keyB, n % 2 === 0)
            }
            compare(editor.actions.encodedLength(), length)
        }

        function test_eventsRefusedAtTheLimitWithoutAMessage() {
            failOnWarning(/./)
            startRecording(false)
            fillTo(126)
            var before = scene.actionTexts()
            compare(before.length, 61)
            press(keyA, true)
            press(keyA, false)
            compare(scene.actionTexts(), before)
            compare(editor.isInputting, true)
        }

        // Just under the limit one more action after a long pause would
        // make 130 bytes, more than the device's block: it is refused, a
        // quick one is still taken.
        function test_longPauseNearTheLimitIsRefused() {
            startRecording(true)
            scene.part("delayBox").isSelect = false
            fillTo(124)
            scene.part("delayBox").isSelect = true
            var before = scene.actionTexts()
            scene.tick(127)
            press(keyA, true)
            compare(scene.actionTexts(), before)
            scene.tick(1)
            press(keyA, true)                      // still 1280 ms since the last one taken
            compare(scene.actionTexts(), before)
            editor.recordCounter = 3
            press(keyA, true)
            compare(scene.actionTexts(), before.concat(["0,30", "1,A"]))
            compare(editor.actions.encodedLength(), 126)
        }

        function test_listScrollsToItsEnd() {
            startRecording(true)
            fillTo(60)
            var view = scene.part("actionList").view
            verify(view.contentHeight > view.height)
            verify(view.atYEnd)
        }

        function test_unknownKeyIgnored() {
            startRecording(true)
            press(0x74, true)
            press(0x00, true)
            compare(scene.actionTexts(), [])
        }

        function test_needsACurrentMacro() {
            editor.currentMacro = -1
            verify(!scene.part("recordButton").enabled)
            editor.startRecord()
            verify(!editor.isInputting)
            editor.selectMacro(0)
            editor.startRecord()
            editor.currentMacro = -1
            press(keyA, true)
            editor.currentMacro = 0
            compare(scene.actionTexts(), [])
        }

        function test_eventsOnlyWhileRecording() {
            press(keyA, true)
            compare(scene.actionTexts(), ["1,Q", "2,Q"])
        }

        function test_closingWhileRecordingStopsAndSaves() {
            startRecording(true)
            press(keyA, true)
            mouseClick(scene.part("closeMark"))
            verify(!editor.visible)
            verify(!editor.isInputting)
            verify(!scene.clock.running)
            compare(lastSave(), ["Rec", ["1,A"], 3])
            compare(closed.count, 1)
        }

        // What was recorded stays with the macro it was recorded in.
        function test_choosingAnotherMacroEndsTheRecording() {
            startRecording(true)
            press(keyA, true)
            editor.selectMacro(1)
            verify(!editor.isInputting)
            compare(lastSave(), ["Rec", ["1,A"], 3])
            compare(scene.files.files["Rec"].steps, ["1,A"])
        }

        function test_realClockTicksEvery10ms() {
            editor.recordTimer = editor.defaultRecordTimer
            verify(editor.recordTimer.interval === 10 && editor.recordTimer.repeat)
            editor.startRecord()
            tryVerify(function () { return editor.recordCounter >= 3 }, 2000)
            editor.stopRecord()
            verify(!editor.recordTimer.running)
        }
    }
}
