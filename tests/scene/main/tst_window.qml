import QtQuick
import QtTest

// The window's root: the start-up picture first, the main screen built
// afterwards, and the host's calls passed on in the order they came.
Item {
    id: host
    width: 1024
    height: 640

    SceneCase {
        name: "Window"
        host: host

        readonly property var windowComponent: Qt.createComponent("qrc:/mainscene/main.qml")
        property var window: null

        function init() {
            failOnWarning(/./)
            seed({})
            verify(windowComponent.status === Component.Ready, windowComponent.errorString())
            window = createTemporaryObject(windowComponent, host)
            verify(window !== null)
            callLog.clear()
        }
        function screenOf(win) {
            tryVerify(function () { return win.mainScreen !== null }, 5000, "the main screen is built")
            return win.mainScreen
        }

        function test_nothingIsBuiltBeforeTheFirstInit() {
            wait(50)
            compare(window.visible, false)
            compare(window.mainScreen, null)
            compare(callLog.names(), [])
            compare(findChild(window, "startupBusy").isBusy, false, "no blinking while hidden")
        }

        function test_startupPictureUntilTheScreenShows() {
            window.initUI()
            compare(ui_View.enabled, false, "locked from the first call on")
            tryCompare(window, "visible", true)
            compare(findChild(window, "startupPicture").visible, !window.screenShown)
            compare(findChild(window, "startupBusy").visible, !window.screenShown)
            var screen = screenOf(window)
            compare(screen.visible, true)
            compare(findChild(window, "startupPicture").visible, false)
            compare(findChild(window, "startupPicture").status, Image.Null, "the root's picture is let go")
            compare(findChild(window, "startupBusy").visible, false)
            compare(window.isPownOn, true)
            compare(findChild(screen, "powerOn").visible, true, "the screen's own picture takes over")
            screen.setProtectUI(0)
            compare(window.isStarted, true)
            compare(findChild(screen, "powerOn").status, Image.Null, "nothing shows the picture again")
            compare(ui_View.enabled, true)
        }

        // The start-up picture is decoded off the main thread (its reply
        // comes back as an event, so not within this turn); the window
        // waits for it, so that its first frame holds the picture.
        function test_shownOnceThePictureIsDecoded() {
            var win = createTemporaryObject(windowComponent, host)
            win.initUI()
            var picture = findChild(win, "startupPicture")
            compare(picture.status, Image.Loading)
            compare(win.visible, false)
            tryCompare(win, "visible", true)
            verify(picture.status === Image.Ready || win.screenShown)
        }

        function test_callsBeforeTheScreenArePassedOnInOrder() {
            ui_View.returns["mouseGetCurrentDPI"] = 1
            window.initUI()
            window.setCurrentDPI(4)
            window.run()
            compare(window.mainScreen, null, "still being built")
            compare(callLog.count("profile.init"), 0)
            var screen = screenOf(window)
            compare(findChild(screen, "dpiSetting").currentDPI, 3, "the stage set after initUI wins")
            var names = callLog.names()
            verify(names.indexOf("profile.init") > names.indexOf("ui_View.setEnabled"))
            compare(callLog.count("profile.init"), 1)
        }

        function test_laterCallsGoStraightToTheScreen() {
            window.initUI()
            var screen = screenOf(window)
            callLog.clear()
            window.initUI()
            compare(callLog.count("ui_View.mouseGetCurrentDPI"), 1, "a second initUI re-reads the stage")
            compare(callLog.count("profile.init"), 0, "and does not start again")
            window.setCurrentDPI(2)
            compare(findChild(screen, "dpiSetting").currentDPI, 1)
        }

        function test_lockBeforeTheScreenEndsOnItsOwn() {
            window.setProtectUI(60)
            compare(ui_View.enabled, false)
            tryCompare(ui_View, "enabled", true, 1000)
            window.setProtectUI(5000)
            window.setProtectUI(0)
            compare(ui_View.enabled, true, "0 lifts the lock")
        }

        function test_earlierLockDoesNotEndTheScreens() {
            window.setProtectUI(150)
            window.initUI()
            screenOf(window)
            wait(300)
            compare(ui_View.enabled, false, "the screen's start-up lock holds")
            compare(window.isStarted, false)
        }

        function test_keyEventsReachTheScreen() {
            var keys = []
            window.msg_KB.connect(function (isDown, code) { keys.push([isDown, code]) })
            window.detectKeyboard(true, 4)    // no screen yet: only the signal
            window.initUI()
            var screen = screenOf(window)
            findChild(screen, "keyAssigment").isFireInput = true
            callLog.clear()
            window.detectKeyboard(false, 5)
            compare(keys, [[true, 4], [false, 5]])
            compare(callLog.argsOf("keyAssigment.detectKeyboard"), [[false, 5, 0]])
        }
    }
}
