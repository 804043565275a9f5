import QtQuick

// Double of the mouse picture: selection only.
Item {
    property int keyCount: 8
    property int selectKey: -1
    property int hoverKey: -1

    signal clickBtn(int index)

    width: 1024
    height: 640
}
