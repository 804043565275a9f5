import QtQuick
import "../../basic"
import "../../controls"
import "../../logic/lighteffects.js" as Effects

// One of the lighting panel's five-step rows: label, slider with its scale,
// and the percentage of the step.
Item {
    id: row

    property string label
    property alias slider: stepSlider
    property url scaleImage

    signal edited()

    width: 232
    height: 44

    ThemedText {
        x: 12
        width: 72
        elide: Text.ElideRight
        anchors.verticalCenter: stepSlider.verticalCenter
        text: row.label
    }
    SliderButton {
        id: stepSlider
        x: 86
        y: 12
        width: 96
        segment: 4
        isScale: true
        Accessible.role: Accessible.Slider
        Accessible.name: row.label
        Accessible.description: Effects.percent(segmentValue)
        onValueChangeDelay: row.edited()
    }
    Image {
        anchors.left: stepSlider.left
        anchors.top: stepSlider.bottom
        anchors.topMargin: 2
        source: row.scaleImage
    }
    Rectangle {
        objectName: "percent"
        x: 190
        anchors.verticalCenter: stepSlider.verticalCenter
        width: 34
        height: 18
        color: Theme.colorBlue
        ThemedText {
            anchors.centerIn: parent
            font.pixelSize: Theme.fontMinSize
            text: Effects.percent(stepSlider.segmentValue)
        }
    }
}
