pragma Singleton
import QtQuick

// Colours, fonts and image paths of the scene, one object for the whole
// scene rather than one per text or control (a dozen bindings each). The
// values follow the scene root's constants of the same names once the root
// registers itself (Theme.root = root); the literal beside each name is the
// value used until then, e.g. when a control runs alone in a test.
QtObject {
    property var root: null

    function pick(name, fallback) {
        if (!root)
            return fallback
        var value = root[name]
        return value === undefined ? fallback : value
    }

    readonly property color colorGray0: pick("colorGray0", "#1a1a1a")
    readonly property color colorGray1: pick("colorGray1", "#3c3c3c")
    readonly property color colorGray2: pick("colorGray2", "#969696")
    readonly property color colorGray3: pick("colorGray3", "#d1d1d1")
    readonly property color colorBlue: pick("colorBlue", "#09347f")
    readonly property color colorOrange: pick("colorOrange", "#d74400")
    readonly property color colorBlack: pick("colorBlack", "#000000")
    readonly property string fontFamily: pick("fontFamily", "微软雅黑")
    readonly property color fontColor: pick("fontColor", "#ffffff")
    readonly property int fontMinSize: pick("fontMinSize", 10)
    readonly property int fontNormalSize: pick("fontNormalSize", 12)
    readonly property int fontMiddleSize: pick("fontMiddleSize", 14)
    readonly property int fontMaxSize: pick("fontMaxSize", 16)
    readonly property int skinNo: pick("skin_No", 1)

    // Skin images live under a per-folder prefix: the same file name can
    // then exist once per skin and folder.
    function skinImage(folder, file) {
        return "qrc:/" + folder + "/modules/img/skin" + skinNo + "/" + folder + "/" + file
    }
    function windowImage(file) {
        return "qrc:/modules/img/" + file
    }
}
