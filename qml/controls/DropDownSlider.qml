import QtQuick
import "../basic"

// Drop-down whose unfolded strip holds a slider; the page writes the head's
// text from the slider's position.
DropDown {
    id: dropSlider

    property color sliderBgColor: bgColor
    property color sliderbarBg: Theme.colorGray1
    property alias sliderControl: slider

    signal valueChange(int index)
    signal dragSignal(bool isDrag)

    readonly property int stripHeight: 24
    readonly property int sliderInset: 8

    function setValue(r) {
        slider.setRatioValue(r)
    }

    unfolding: box

    DropBox {
        id: box
        objectName: "dropBox"
        y: dropSlider.height
        width: parent.width
        openHeight: dropSlider.stripHeight
        duration: 180

        Rectangle {
            width: parent.width
            height: dropSlider.stripHeight
            color: dropSlider.sliderBgColor
            border.color: dropSlider.borderColor

            SliderButton {
                id: slider
                x: dropSlider.sliderInset
                width: parent.width - 2 * dropSlider.sliderInset
                anchors.verticalCenter: parent.verticalCenter
                trackColor: dropSlider.sliderbarBg
                onValueChange: function (position) { dropSlider.valueChange(position) }
                onDragSignal: function (isDrag) { dropSlider.dragSignal(isDrag) }
            }
        }
    }
}
