import QtQuick
import QtTest

// A test case with the main screen loaded over recording doubles. seed()
// fills the doubles' settings; build() also builds the screen; start() also
// runs the first initUI and lifts the start-up lock, then clears the call
// log.
TestCase {
    id: sceneCase

    property Item host
    property var scene: null
    readonly property var sceneComponent: Qt.createComponent("qrc:/mainscene/screen/MainScreen.qml")

    when: windowShown

    function defaultGlobals() {
        return {
            "mouse/isColorful": "false", "mouse/icType": "553", "mouse/is55328": "false",
            "mouse/isGun": "true", "mouse/keyCount": "8", "common/language": "English",
            "common/url": "https://example.org/help", "mouse/profileNo": "3"
        }
    }
    function seed(globals) {
        callLog.clear()
        ui_View.reset()
        var seeded = defaultGlobals()
        for (var key in globals)
            seeded[key] = globals[key]
        ui_View.global = seeded
        ui_View.profile = { "mouse/reportRate": "2" }
    }
    function build(globals) {
        seed(globals)
        verify(sceneComponent.status === Component.Ready, sceneComponent.errorString())
        scene = createTemporaryObject(sceneComponent, host)
        verify(scene !== null)
        return scene
    }
    function start(globals) {
        build(globals)
        scene.initUI()
        scene.setProtectUI(0)
        callLog.clear()
        return scene
    }
    function part(name) {
        var item = findChild(scene, name)
        verify(item !== null, "no item " + name)
        return item
    }
    // The calls made, without the reads and the drop-down closing that
    // accompany every step.
    function actions() {
        var out = []
        var names = callLog.names()
        for (var i = 0; i < names.length; ++i) {
            if (!/getGlobalData|closeMenu/.test(names[i]))
                out.push(names[i])
        }
        return out
    }
    function openList(list) {
        mouseClick(list, list.width / 2, 12)
        tryCompare(findChild(list, "dropBox"), "height", findChild(list, "dropBox").openHeight)
    }
    function chooseRow(list, row) {
        openList(list)
        mouseClick(list, list.width / 2, 24 + row * 24 + 12)
    }
}
