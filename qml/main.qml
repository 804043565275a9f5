import QtQuick
import "basic"

// The window's root. It shows the start-up picture at once and builds the
// main screen (screen/MainScreen.qml) in the background: the window appears
// without waiting for every page and dialog to be made, and the screen
// takes over before its start-up lock ends. The host calls initUI, run,
// setProtectUI, setCurrentDPI, detectKeyboard and detectMouse by name here;
// calls made before the screen is ready are kept and passed on in order
// once it is.
Item {
    id: window
    objectName: "window"
    width: 1024
    height: 640
    // Shown from the first initUI on, once the start-up picture is ready:
    // it is decoded on a worker thread while the host goes on with its own
    // start-up (tray, window, device check), and the first frame holds it.
    property bool isInitialised: false
    visible: isInitialised && startupPicture.status !== Image.Loading

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int code, int x, int y)

    // The main screen once built, else null.
    readonly property Item mainScreen: screenLoader.status === Loader.Ready ? screenLoader.item : null
    readonly property bool isPownOn: mainScreen !== null && mainScreen.isPownOn
    readonly property bool isStarted: mainScreen !== null && mainScreen.isStarted
    readonly property bool screenShown: mainScreen !== null && mainScreen.visible
    // True while a page captures keys: the host then keeps key events from
    // the scene's controls.
    readonly property bool isCapturingKeys: mainScreen !== null && mainScreen.capturingKeys
    // Calls waiting for the screen, as [function name, arguments].
    property var pendingCalls: []

    // Keys reach the screen's Escape even while no control has the focus.
    focus: true
    Keys.onEscapePressed: function (event) { event.accepted = window.mainScreen !== null && window.mainScreen.pressEscape() }

    // Locks the view at once, as the screen's own initUI does: nothing may
    // be pressed until the screen has started.
    function initUI() {
        isInitialised = true
        ui_View.setEnabled(false)
        screenLoader.active = true
        pass("initUI", [])
    }
    function run() {
        pass("run", [])
    }
    // Until the screen exists the lock is kept here; the screen keeps its
    // own from its first initUI on.
    function setProtectUI(interval) {
        if (mainScreen) {
            mainScreen.setProtectUI(interval)
            return
        }
        var ms = Number(interval)
        lockTimer.stop()
        ui_View.setEnabled(!(ms > 0))
        if (ms > 0) {
            lockTimer.interval = ms
            lockTimer.start()
        }
    }
    function setCurrentDPI(stage) {
        pass("setCurrentDPI", [stage])
    }
    // Key and button events only matter to a page waiting for one, so they
    // are not kept for later.
    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
        if (mainScreen)
            mainScreen.detectKeyboard(isDown, usbCode)
    }
    function detectMouse(isDown, code, x, y) {
        msg_MS(isDown, code, x, y)
        if (mainScreen)
            mainScreen.detectMouse(isDown, code, x, y)
    }

    function pass(name, args) {
        if (mainScreen)
            mainScreen[name].apply(mainScreen, args)
        else
            pendingCalls.push([name, args])
    }

    Loader {
        id: screenLoader
        anchors.fill: parent
        // Built once the window is asked to show: before that the device
        // check runs, and its exchanges would wait on the building.
        active: false
        asynchronous: true
        source: "screen/MainScreen.qml"
        onLoaded: {
            lockTimer.stop()
            var calls = window.pendingCalls
            window.pendingCalls = []
            for (var i = 0; i < calls.length; ++i)
                item[calls[i][0]].apply(item, calls[i][1])
        }
    }

    Timer {
        id: lockTimer
        onTriggered: ui_View.setEnabled(true)
    }

    // What the screen itself shows while it starts, until it is there.
    Image {
        id: startupPicture
        objectName: "startupPicture"
        anchors.centerIn: parent
        asynchronous: true
        visible: !window.screenShown
        // let go once the screen shows its own
        cache: false
        source: window.screenShown ? "" : Theme.skinImage("index", "powerOn.png")
    }
    BusyIndicator {
        objectName: "startupBusy"
        anchors.centerIn: parent
        // not while the window is hidden: a blinking nobody sees still
        // wakes the program sixty times a second
        isBusy: window.visible && !window.screenShown
    }
}
