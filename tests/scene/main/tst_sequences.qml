import QtQuick
import QtTest

// Save, factory reset and profile change: which pages and controller calls,
// in which order, bracketed by the lock.
Item {
    id: host
    width: 1024
    height: 640

    SceneCase {
        name: "MainSequences"
        host: host

        function init() {
            failOnWarning(/./)
        }
        function flag(names) {
            for (var name of names)
                part(name).isSave = true
        }

        function test_saveWithoutPendingFlagDoesNothing() {
            start({})
            compare(part("saveButton").bgColor, scene.colorBlue)
            mouseClick(part("saveButton"))
            compare(actions(), [])
            compare(ui_View.enabled, true)
        }

        function test_saveSendsOnlyFlaggedPagesInOrder_data() {
            return [
                { tag: "all three", flagged: ["keyMatrix", "dpiSetting", "lightControl"],
                  sent: ["keyMatrix.saveData", "dpiSetting.saveData", "lightControl.saveData"] },
                { tag: "lighting only", flagged: ["lightControl"], sent: ["lightControl.saveData"] },
                { tag: "keys and DPI", flagged: ["dpiSetting", "keyMatrix"], sent: ["keyMatrix.saveData", "dpiSetting.saveData"] }
            ]
        }
        function test_saveSendsOnlyFlaggedPagesInOrder(data) {
            start({})
            flag(data.flagged)
            compare(part("saveButton").bgColor, scene.pendingSaveColor)
            mouseClick(part("saveButton"))
            compare(actions(), ["ui_View.setEnabled"].concat(data.sent, ["ui_View.setEnabled"]))
            compare(callLog.argsOf("ui_View.setEnabled"), [[false], [true]])
            for (var name of ["keyMatrix", "dpiSetting", "lightControl"])
                compare(part(name).isSave, false, name)
            if (data.flagged.indexOf("dpiSetting") >= 0)
                compare(callLog.argsOf("dpiSetting.saveData"), [[true]])
            if (data.flagged.indexOf("lightControl") >= 0)
                compare(callLog.argsOf("lightControl.saveData"), [[true, 0]])
            compare(part("saveButton").bgColor, scene.colorBlue)
        }

        function sendSequence(isGun) {
            var out = ["keyMatrix.init", "ui_View.getData", "ui_View.mouseSetReportRate",
                       "dpiSetting.init", "lightControl.init", "systemSetting.init"]
            if (isGun)
                out.push("ui_View.mouseSwitchKeyMatrix", "ui_View.mouseResetKeyMatrix")
            return out
        }
        function checkSendArguments() {
            compare(callLog.argsOf("keyMatrix.init"), [[true, false]])
            compare(callLog.argsOf("dpiSetting.init"), [[true, false]])
            compare(callLog.argsOf("lightControl.init"), [[true, false]])
            compare(callLog.argsOf("systemSetting.init"), [[true, false]])
            compare(callLog.argsOf("ui_View.mouseSetReportRate"), [[2]], "row 2 of the profile is 500Hz: 2 ms")
        }

        function test_factoryReset_data() {
            return [ { tag: "gun mouse", isGun: "true" }, { tag: "no gun", isGun: "false" } ]
        }
        function test_factoryReset(data) {
            start({ "mouse/isGun": data.isGun })
            var gun = data.isGun === "true"
            flag(["keyMatrix", "dpiSetting", "lightControl"])
            mouseClick(part("resetButton"))
            var dialog = part("resetConfirm")
            compare(dialog.visible, true)
            compare(part("mask").visible, true)
            compare([dialog.x, dialog.y, dialog.width, dialog.height], [299, 269, 427, 102])
            compare(actions(), [], "opening asks nothing")
            mouseClick(findChild(dialog, "resetOk"))
            compare(actions(), ["ui_View.setEnabled", "ui_View.resetProfile"].concat(
                        sendSequence(gun), ["ui_View.mouseSetCurrentDPI", "gunControl.resetData", "ui_View.setEnabled"]))
            compare(callLog.argsOf("ui_View.resetProfile"), [[3]], "the active profile")
            compare(callLog.argsOf("ui_View.mouseSetCurrentDPI"), [[2]])
            if (gun)
                compare(callLog.argsOf("ui_View.mouseSwitchKeyMatrix"), [[1]])
            checkSendArguments()
            compare(callLog.argsOf("ui_View.setEnabled"), [[false], [true]])
            compare(part("dpiSetting").currentDPI, 1)
            for (var name of ["keyMatrix", "dpiSetting", "lightControl"])
                compare(part(name).isSave, false, name)
            compare(dialog.visible, false)
            compare(part("mask").visible, false)
        }

        function test_factoryResetCancelled() {
            start({})
            mouseClick(part("resetButton"))
            mouseClick(findChild(part("resetConfirm"), "resetCancel"))
            compare(part("resetConfirm").visible, false)
            compare(part("mask").visible, false)
            compare(actions(), [])
        }

        function test_profileChange_data() {
            return [ { tag: "gun mouse", isGun: "true" }, { tag: "no gun", isGun: "false" } ]
        }
        function test_profileChange(data) {
            start({ "mouse/isGun": data.isGun })
            var gun = data.isGun === "true"
            var selector = part("profileSelector")
            compare(selector.textValue, "second", "the selector shows the row carrying profile 3")
            flag(["dpiSetting"])
            chooseRow(selector, 2)
            tryVerify(function () { return callLog.count("ui_View.setEnabled") === 2 }, 1000)
            compare(actions(), ["ui_View.setEnabled", "ui_View.setGlobalData", "ui_View.setCurrentProfile"].concat(
                        sendSequence(gun), ["ui_View.setEnabled"]))
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/profileNo", 1]], "the row's number, not its index")
            compare(callLog.argsOf("ui_View.setCurrentProfile"), [[1]])
            checkSendArguments()
            compare(part("profile").profileNo, 1)
            compare(part("dpiSetting").isSave, true, "a profile change keeps pending flags")
        }

        function test_importOverTheActiveProfile_data() {
            return [ { tag: "gun mouse", isGun: "true" }, { tag: "no gun", isGun: "false" } ]
        }
        function test_importOverTheActiveProfile(data) {
            start({ "mouse/isGun": data.isGun })
            flag(["keyMatrix", "dpiSetting", "lightControl"])
            part("profile").activeProfileReplaced()
            compare(actions(), ["ui_View.setEnabled"].concat(sendSequence(data.isGun === "true"), ["ui_View.setEnabled"]))
            checkSendArguments()
            for (var name of ["keyMatrix", "dpiSetting", "lightControl"])
                compare(part(name).isSave, false, name + ": the imported file wins over unsaved edits")
        }

        function test_choosingTheActiveProfileAgainDoesNothing() {
            start({})
            part("profile").changeProfile(3)
            chooseRow(part("profileSelector"), 1)
            wait(300)
            compare(actions(), [])
        }
    }
}
