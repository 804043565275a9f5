import QtQuick

// The part of a drop-down that unfolds downwards: its height glides between
// 0 and openHeight. closed() fires once the folding glide has ended, so that
// a choice is announced only when the list is out of the way.
Item {
    id: box

    property int openHeight: 0
    property int duration: 180
    property bool isOpen: false
    readonly property bool running: glide.running

    signal closed()

    function setOpen(open) {
        isOpen = open
        glide.stop()
        glide.to = open ? openHeight : 0
        glide.start()
    }

    height: 0
    clip: true
    visible: height > 0
    z: 1

    onOpenHeightChanged: if (isOpen && !glide.running) height = openHeight

    NumberAnimation {
        id: glide
        target: box
        property: "height"
        // Many rows would make the time negative: fold at once instead.
        duration: Math.max(box.duration, 0)
        onFinished: if (!box.isOpen) box.closed()
    }
}
