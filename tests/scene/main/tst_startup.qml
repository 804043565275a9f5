import QtQuick
import QtTest

// Start-up and reconnection (initUI), the lock, the DPI mark, key routing.
Item {
    id: host
    width: 1024
    height: 640

    SceneCase {
        name: "MainStartup"
        host: host

        function init() {
            failOnWarning(/./)
        }

        function test_firstInitReadsEveryFlagInOrder() {
            build({ "mouse/isColorful": "true", "mouse/icType": "560", "mouse/is55328": "true",
                    "mouse/isGun": "false", "mouse/keyCount": "6", "common/language": "ChineseSimplified",
                    "common/url": "https://k7.example/help" })
            ui_View.returns["mouseGetCurrentDPI"] = 3
            compare(scene.visible, false, "invisible before the first initUI")
            scene.initUI()
            compare(scene.visible, true)
            compare(scene.isColorful, true)
            compare(scene.icType, "560")
            compare(scene.is55328, true)
            compare(scene.isGun, false)
            compare(scene.keyCount, 6)
            compare(part("keyMatrix").keyCount, 6)
            compare(part("mouse").keyCount, 6)
            compare(part("keyMatrix").isGun, false, "pages follow the flags")
            compare(part("lightControl").is55328, true)
            compare(part("dpiSetting").isColorful, true)
            compare(scene.language, "ChineseSimplified")
            compare(scene.url, "https://k7.example/help")
            compare(part("helpMenu").url, "https://k7.example/help")
            compare(scene.isPownOn, true)
            compare(part("profile").profileNo, 3)
            compare(part("dpiSetting").currentDPI, 2)

            var sections = ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl", "macroEditor",
                            "systemSetting", "gunControl", "profile", "keyCode", "other"]
            compare(callLog.argsOf("ui_View.getLangStrings").map(function (a) { return a[0] }), sections)
            compare(callLog.argsOf("ui_View.getLangStrings")[0][1], "ChineseSimplified")
            compare(callLog.argsOf("ui_View.setCurrentProfile"), [[3]])
            compare(actions().filter(function (n) { return n !== "ui_View.getLangStrings" }), [
                "ui_View.setEnabled", "ui_View.mouseReadCurrentProfile",
                "profile.init", "ui_View.setCurrentProfile", "ui_View.getData",
                "macroEditor.init", "gunControl.init", "keyAssigment.init", "keyMatrix.init",
                "dpiSetting.init", "lightControl.init", "systemSetting.init", "ui_View.mouseGetCurrentDPI"])
            compare(callLog.argsOf("keyMatrix.init"), [[false, false]])
            compare(callLog.argsOf("systemSetting.init"), [[false, false]])
            compare(callLog.count("ui_View.mouseSetReportRate"), 0, "nothing is sent at start-up")
            compare(part("reportRate").list.currentSelect, 2, "the stored row, read as a number")
        }

        function test_languageListsReplaceOnlyWhenGiven() {
            build({})
            ui_View.langs = {
                "main": ["编辑", "宏编辑", "枪械编辑", "回报率", "配置", "重置", "恢复出厂设置", "取消", "确定", "系统设置", "保存"],
                "keyCode": ["A", "B"]
            }
            var dpiTexts = part("dpiSetting").dpiSettingLang
            scene.initUI()
            compare(scene.mainLang[10], "保存")
            compare(part("saveButton").textValue, "保存")
            compare(part("resetConfirm").question, "恢复出厂设置")
            compare(part("dpiSetting").dpiSettingLang, dpiTexts, "an empty list keeps the built-in texts")
            compare(callLog.argsOf("keyCodeString.setNames"), [[["A", "B"]]])
        }

        function test_startupProfileOf560_data() {
            return [
                { tag: "560 already on profile 1", icType: "560", current: 1, sent: [] },
                { tag: "560 on profile 3", icType: "560", current: 3, sent: [[1]] },
                { tag: "553 is not asked", icType: "553", current: 3, sent: [] }
            ]
        }
        function test_startupProfileOf560(data) {
            build({ "mouse/icType": data.icType })
            ui_View.returns["mouseReadCurrentProfile"] = data.current
            scene.initUI()
            compare(callLog.argsOf("hid.hid560_02H_SetCurrentProfile"), data.sent)
            compare(callLog.count("ui_View.mouseReadCurrentProfile"), data.icType === "560" ? 1 : 0)
        }

        function test_secondInitOnlyRelocksAndRereadsTheStage() {
            start({})
            ui_View.langs = { "main": ["x"] }
            ui_View.returns["mouseGetCurrentDPI"] = 4
            var texts = scene.mainLang
            scene.initUI()
            compare(actions(), ["ui_View.setEnabled", "ui_View.mouseGetCurrentDPI"])
            compare(ui_View.enabled, false, "locked again")
            compare(part("busy").visible, true)
            compare(scene.mainLang, texts, "no language reload")
            compare(part("dpiSetting").currentDPI, 3)
            compare(part("reportRate").list.count, 4, "no duplicate rows")
        }

        function test_setCurrentDPI() {
            start({})
            part("dpiSetting").currentDPI = 2
            scene.setCurrentDPI(0)
            compare(part("dpiSetting").currentDPI, 2, "stage 0 changes nothing")
            scene.setCurrentDPI(5)
            compare(part("dpiSetting").currentDPI, 4)
            ui_View.returns["mouseGetCurrentDPI"] = 0
            scene.initUI()
            compare(part("dpiSetting").currentDPI, -1, "an unanswered read marks no stage")
        }

        function test_lockAndFirstUnlock() {
            build({})
            scene.initUI()
            compare(part("powerOn").visible, true)
            compare(part("leftColumn").visible, false)
            compare(part("bottomBar").visible, false)
            scene.setProtectUI(60)
            compare(ui_View.enabled, false, "the view is disabled, not just covered")
            compare(part("busy").visible, true)
            tryCompare(ui_View, "enabled", true, 1000)
            compare(part("busy").visible, false)
            compare(part("powerOn").visible, false)
            for (var name of ["leftColumn", "rightColumn", "bottomBar", "topIcons", "mouse", "profileSelector"])
                compare(part(name).visible, true, name)
        }

        function test_controlUIEnableHasNoTimer() {
            start({})
            scene.controlUIEnable(false)
            compare(ui_View.enabled, false)
            compare(part("busy").visible, true)
            wait(80)
            compare(ui_View.enabled, false)
            scene.controlUIEnable(true)
            compare(ui_View.enabled, true)
            compare(part("busy").visible, false)
        }

        function test_keyEventsReachTheWaitingPage_data() {
            return [
                { tag: "nobody waits", setup: {}, calls: [] },
                { tag: "fire key", setup: { keyAssigment: { isFireInput: true } }, calls: [["keyAssigment.detectKeyboard", [true, 4, 0]]] },
                { tag: "combination", setup: { keyAssigment: { isComboInput: true } }, calls: [["keyAssigment.detectKeyboard", [true, 4, 1]]] },
                { tag: "macro recording", setup: { macroEditor: { visible: true, isInputting: true } }, calls: [["macroEditor.detectKeyboard", [true, 4]]] },
                { tag: "macro insert", setup: { macroEditor: { visible: true, isInsertting: true } }, calls: [["macroEditor.detectInput", [true, 4]]] }
            ]
        }
        function test_keyEventsReachTheWaitingPage(data) {
            start({})
            for (var page in data.setup)
                for (var key in data.setup[page])
                    part(page)[key] = data.setup[page][key]
            callLog.clear()
            scene.detectKeyboard(true, 4)
            var got = callLog.entries.filter(function (e) { return /detect/.test(e.name) })
                                     .map(function (e) { return [e.name, e.args] })
            compare(got, data.calls)
        }

        function test_badGlobalValuesAreRefused() {
            build({ "mouse/profileNo": "nine", "mouse/keyCount": "12" })
            ignoreWarning(/mouse\/keyCount/)
            ignoreWarning(/mouse\/profileNo/)
            scene.initUI()
            compare(scene.keyCount, 8)
            compare(callLog.argsOf("ui_View.setCurrentProfile"), [[0]])
        }
    }
}
