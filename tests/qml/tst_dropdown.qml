import QtQuick
import QtTest
import "qrc:/modules/qml/controls"

Item {
    width: 600
    height: 480

    Component {
        id: modelOf
        ListModel {}
    }
    // The rows as the pages build them: one "textValue" each.
    function rows(texts) {
        var model = modelOf.createObject(this)
        for (const text of texts)
            model.append({ textValue: text })
        return model
    }

    DropDownList { id: dropList; x: 10; y: 10; mdItems: rows(["125Hz", "250Hz", "500Hz", "1000Hz"]) }
    DropDownList { id: longList; x: 200; y: 10; mdItems: rows(Array.from({ length: 25 }, (_, i) => "row " + i)) }
    DropDownGrid { id: grid; x: 10; y: 300; width: 60; mdItems: rows(["A", "B", "", "C"]) }
    DropDownSlider { id: dropSlider; x: 400; y: 10; textValue: "10ms" }
    Component {
        id: freshList
        DropDownList { mdItems: rows(["one", "two", "three"]) }
    }

    SignalSpy { id: listChanged; target: dropList; signalName: "valueChange" }
    SignalSpy { id: listClicked; target: dropList; signalName: "btnClick" }
    SignalSpy { id: longDragged; target: longList; signalName: "dragSignal" }
    SignalSpy { id: longChanged; target: longList; signalName: "valueChange" }
    SignalSpy { id: gridClicked; target: grid; signalName: "btnClick" }
    SignalSpy { id: sliderChanged; target: dropSlider; signalName: "valueChange" }
    SignalSpy { id: sliderDragged; target: dropSlider; signalName: "dragSignal" }

    TestCase {
        name: "DropDowns"
        when: windowShown

        readonly property int rowHeight: 24

        function box(control) {
            return findChild(control, "dropBox")
        }
        function openFully(control) {
            mouseClick(control, control.width / 2, rowHeight / 2)
            verify(control.isDrop)
            tryVerify(function () { return box(control).height === box(control).openHeight }, 1000)
        }
        // Centre of list row (or grid cell) in the control's coordinates.
        function clickCell(control, row, column) {
            mouseClick(control, (column + 0.5) * control.width, (row + 1.5) * rowHeight)
        }

        function init() {
            failOnWarning(/./)
            for (const control of [dropList, longList, grid, dropSlider])
                control.closeMenu()
            tryVerify(function () { return box(dropList).height === 0 && box(grid).height === 0 })
            for (const spy of [listChanged, listClicked, longDragged, longChanged, gridClicked,
                               sliderChanged, sliderDragged])
                spy.clear()
        }

        // A screen holds dozens of folded drop-downs: their rows cost
        // memory only while shown.
        function test_rowsExistOnlyWhileUnfolded() {
            const made = [[dropList, "rows"], [grid, "cells"]]
            for (const [control, name] of made) {
                const rowsOf = findChild(control, name)
                compare(rowsOf.count, 0, name + " while folded")
                openFully(control)
                compare(rowsOf.count, control.mdItems.count, name + " while unfolded")
                control.closeMenu()
                tryVerify(function () { return box(control).height === 0 })
                compare(rowsOf.count, 0, name + " after folding")
            }
        }

        function test_listStartsOnThirdRow() {
            var list = createTemporaryObject(freshList, parent)
            compare(list.currentSelect, 2)
            compare(list.textValue, "three")
            verify(!list.isDrop)
        }

        function test_listAnnouncesChoiceAfterFolding() {
            openFully(dropList)
            compare(listClicked.count, 1)
            compare(box(dropList).openHeight, 4 * rowHeight)

            var heightWhenAnnounced = -1
            var record = function () { heightWhenAnnounced = box(dropList).height }
            dropList.valueChange.connect(record)
            clickCell(dropList, 3, 0)
            compare(dropList.currentSelect, 3)
            compare(dropList.textValue, "1000Hz")
            verify(!dropList.isDrop)
            compare(listChanged.count, 0, "announced before the list folded")
            tryCompare(listChanged, "count", 1, 1000)
            dropList.valueChange.disconnect(record)
            compare(listChanged.signalArguments[0][0], 3)
            compare(heightWhenAnnounced, 0)

            openFully(dropList)
            clickCell(dropList, 2, 0)
            tryCompare(listChanged, "count", 2, 1000)
            compare(dropList.textValue, "500Hz")
        }

        function test_closeMenuIsSilent() {
            openFully(dropList)
            dropList.closeMenu()
            verify(!dropList.isDrop)
            tryCompare(box(dropList), "height", 0, 1000)
            wait(50)
            compare(listChanged.count, 0)
            compare(dropList.currentSelect, 2)
        }

        function test_headIgnoredWhileAnimating() {
            mouseClick(dropList, 60, 12)
            mouseClick(dropList, 60, 12)
            compare(listClicked.count, 2, "every click on the head is reported")
            verify(dropList.isDrop, "a click during the unfolding must not fold it")
            tryCompare(box(dropList), "height", box(dropList).openHeight, 1000)
        }

        function test_longListScrollsAndStillAnnounces() {
            // 25 rows would give a negative unfolding time
            openFully(longList)
            compare(box(longList).openHeight, 10 * rowHeight)
            var handle = findChild(longList, "scrollHandle")
            verify(handle.visible)
            mouseDrag(handle, handle.width / 2, 5, 0, 120)
            compare(longDragged.count, 2)
            compare(longDragged.signalArguments[0][0], true)
            compare(longDragged.signalArguments[1][0], false)
            clickCell(longList, 9, 0)
            verify(longList.currentSelect > 9, "the rows scrolled with the bar")
            tryCompare(longChanged, "count", 1, 1000)
            compare(longChanged.signalArguments[0][0], longList.currentSelect)
        }

        // The keyboard alone: Space opens on the current row, the arrows
        // move the highlight (a grid's Up and Down by a row of cells) and
        // stop at the ends, Enter takes it; Escape folds without a choice
        // and is kept from the dialog around.
        function test_keyboardChoosesRows() {
            var head = findChild(dropList, "Head")
            dropList.currentSelect = 1
            head.forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(dropList.isDrop)
            compare(dropList.keyRow, 1)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(dropList.keyRow, 3, "held at the last row")
            tryCompare(box(dropList), "height", box(dropList).openHeight, 1000)
            keyClick(Qt.Key_Return)
            verify(!dropList.isDrop)
            tryCompare(listChanged, "count", 1, 1000)
            compare(listChanged.signalArguments[0][0], 3)
            compare(dropList.textValue, "1000Hz")

            var escapes = 0
            head.parent.parent.Keys.escapePressed.connect(function () { ++escapes })
            keyClick(Qt.Key_Enter)
            keyClick(Qt.Key_Up)
            tryCompare(box(dropList), "height", box(dropList).openHeight, 1000)
            keyClick(Qt.Key_Escape)
            verify(!dropList.isDrop)
            compare(escapes, 0, "Escape folded the list and went no further")
            tryCompare(box(dropList), "height", 0, 1000)
            compare(listChanged.count, 1)
            compare(dropList.currentSelect, 3)

            grid.currentSelect = 0
            findChild(grid, "Head").forceActiveFocus()
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Down)
            compare(grid.keyRow, 3)
            keyClick(Qt.Key_Right)
            compare(grid.keyRow, 3, "no cell past the items")
            tryCompare(box(grid), "height", box(grid).openHeight, 1000)
            keyClick(Qt.Key_Space)
            compare(grid.textValue, "C")
        }

        function test_gridCell_data() {
            return [
                { tag: "cell with text", row: 0, column: 1, select: 1, text: "B" },
                { tag: "second row", row: 1, column: 0, select: 3, text: "C" },
                { tag: "empty cell", row: 0, column: 2, select: 0, text: "A" },
                { tag: "past the items", row: 1, column: 2, select: 0, text: "A", open: true },
            ]
        }
        function test_gridCell(data) {
            grid.currentSelect = 0
            openFully(grid)
            compare(box(grid).width, 3 * grid.width)
            gridClicked.clear()
            clickCell(grid, data.row, data.column)
            compare(grid.currentSelect, data.select)
            compare(grid.textValue, data.text)
            compare(grid.isDrop, data.open === true, "a click on a cell folds the grid")
            compare(gridClicked.count, data.open === true ? 0 : 1)
        }

        function test_sliderStripPassesSignalsOn() {
            openFully(dropSlider)
            var slider = dropSlider.sliderControl
            compare(slider.width, dropSlider.width - 16)
            dropSlider.setValue(0.5)
            compare(sliderChanged.count, 1)
            compare(sliderChanged.signalArguments[0][0], Math.floor((slider.width - 18) * 0.5) + 4)

            var knob = findChild(slider, "knob")
            mouseDrag(knob, 6, 6, 10, 0)
            compare(sliderDragged.count, 2)
            verify(sliderChanged.count > 1)
            compare(sliderChanged.signalArguments[sliderChanged.count - 1][0], knob.x)
        }
    }
}
