import QtQuick
import QtTest

// The doubles every scene test relies on: one log across the three context
// objects, seeded settings read back, canned answers.
TestCase {
    name: "SceneDoubles"

    function init() {
        callLog.clear()
        ui_View.reset()
    }

    function test_oneLogAcrossObjects() {
        ui_View.setEnabled(false)
        hid.hid560_02H_SetCurrentProfile(1)
        ui_Ctl.onXChanged(-3)
        compare(callLog.names(), ["ui_View.setEnabled", "hid.hid560_02H_SetCurrentProfile", "ui_Ctl.onXChanged"])
        compare(callLog.argsOf("ui_Ctl.onXChanged"), [[-3]])
        compare(ui_View.enabled, false)
        compare(callLog.names("ui_View."), ["ui_View.setEnabled"])
    }

    function test_settingsAndAnswers() {
        ui_View.profile["mouse/reportRate"] = "3"
        ui_View.factory["mouse/reportRate"] = "2"
        compare(ui_View.getData("mouse/reportRate", false), "3")
        compare(ui_View.getData("mouse/reportRate", true), "2")
        ui_View.setData("mouse/reportRate", 1)
        compare(ui_View.getData("mouse/reportRate", false), 1)
        compare(ui_View.getData("mouse/none", false), "")
        compare(ui_View.mouseGetCurrentDPI(), 1)
        ui_View.returns["mouseGetCurrentDPI"] = 4
        compare(ui_View.mouseGetCurrentDPI(), 4)
        ui_View.returns["getNameList"] = function(type) { return type === 2 ? ["a"] : [] }
        compare(ui_View.getNameList(2), ["a"])
        compare(ui_View.getNameList(1), [])
    }
}
