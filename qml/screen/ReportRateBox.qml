import QtQuick
import "../basic"
import "../controls"

// Report rate of the current profile. The profile stores the row; the
// device takes the polling interval in ms.
Rectangle {
    id: box

    property string title: "Report Rate"
    readonly property var rates: [8, 4, 2, 1]
    property alias list: rateList

    // Shows the stored row and, when asked, sends it. A stored value that is
    // not a row leaves the box as it is and sends nothing.
    function init(isSendData) {
        var row = Number(ui_View.getData("mouse/reportRate", false))
        if (!isValidRow(row)) {
            console.warn("report rate: stored row", row, "is not one of 0 to 3; left unchanged")
            return
        }
        rateList.currentSelect = row
        if (isSendData)
            ui_View.mouseSetReportRate(rates[row])
    }
    function isValidRow(row) {
        return Number.isInteger(row) && row >= 0 && row < rates.length
    }
    function choose(row) {
        ui_View.setData("mouse/reportRate", row)
        ui_View.mouseSetReportRate(rates[row])
    }

    width: 232
    height: 42
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    ThemedText {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        text: box.title
    }
    DropDownList {
        id: rateList
        objectName: "reportRateList"
        x: parent.width - width - 8
        anchors.verticalCenter: parent.verticalCenter
        width: 120
        currentSelect: 3
        mdItems: ListModel {
            ListElement { textValue: "125Hz" }
            ListElement { textValue: "250Hz" }
            ListElement { textValue: "500Hz" }
            ListElement { textValue: "1000Hz" }
        }
        onValueChange: function(index) { box.choose(index) }
    }
}
