import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/controls"

// A scene root with its own constants, as the main screen has: the
// controls must follow it rather than their built-in values.
Item {
    id: root
    width: 1024
    height: 640

    property color colorOrange: "#00ff00"
    property color colorGray1: "#123456"
    property int fontNormalSize: 20
    Component.onCompleted: Theme.root = root

    Environment { id: environment }
    BusyIndicator { id: busy; anchors.centerIn: parent }
    SliderButton { id: slider; width: 100 }
    RadioButton { id: radio; y: 100; textValue: "x" }
    DropDownList { id: dropList; y: 200 }

    Loader {
        id: scene
        active: false
        // the address the host view loads
        source: "qrc:modules/qml/main.qml"
    }
    Loader {
        id: mainScreen
        active: false
        source: "qrc:modules/qml/screen/MainScreen.qml"
    }

    Component {
        id: pictureOf
        Image {}
    }

    TestCase {
        name: "ThemeAndPictures"
        when: windowShown

        function init() {
            failOnWarning(/./)
        }

        function test_rootConstantsWin() {
            compare(slider.colorS, root.colorOrange)
            compare(slider.trackColor, root.colorGray1)
            compare(dropList.borderColor, root.colorGray1)
            compare(radio.fontSize, 20)
            root.colorOrange = "#0000ff"
            compare(slider.colorS, root.colorOrange, "the controls follow later changes")
        }

        function test_pictures_data() {
            return [
                { tag: "slider knob", url: "qrc:/index/modules/img/skin1/index/slide.png", w: 12, h: 12 },
                { tag: "arrow", url: "qrc:/index/modules/img/skin1/index/dropBtn.png", w: 12, h: 12 },
                { tag: "arrow, open", url: "qrc:/index/modules/img/skin1/index/dropBtnU.png", w: 12, h: 12 },
                { tag: "tick", url: "qrc:/index/modules/img/skin1/index/checkBtn.png", w: 10, h: 10 },
                { tag: "background", url: "qrc:/modules/img/background.png", w: 1024, h: 640 },
                { tag: "title bar", url: "qrc:/modules/img/titleBar.png", w: 1024, h: 82 },
                { tag: "title logo", url: "qrc:/modules/img/titleLogo.png", w: 120, h: 32 },
            ]
        }
        function test_pictures(data) {
            var picture = createTemporaryObject(pictureOf, root, { source: data.url })
            tryCompare(picture, "status", Image.Ready)
            compare(picture.sourceSize, Qt.size(data.w, data.h))
        }

        function test_sceneLoadsWithItsImports() {
            for (var loader of [scene, mainScreen]) {
                loader.active = true
                compare(loader.status, Loader.Ready, loader.source)
                compare(loader.item.width, 1024)
                loader.active = false
            }
        }

        function test_environment() {
            compare(environment.width, 1024)
            compare(environment.height, 640)
            for (var i = 0; i < environment.children.length; ++i)
                compare(environment.children[i].status, Image.Ready)
        }

        function test_busyBlinksOnlyWhileBusy() {
            verify(!busy.visible)
            busy.setBusy(true)
            verify(busy.visible)
            var label = busy.children[0]
            compare(label.text, "LOADING ......")
            compare(label.font.pixelSize, 20)
            tryVerify(function () { return label.opacity < 0.5 }, 1000)
            busy.setBusy(false)
            verify(!busy.visible)
            compare(label.opacity, 1.0)
        }
    }
}
