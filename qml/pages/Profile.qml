import QtQuick
import "../basic"
import "profile"
import "../logic/listkeys.js" as ListKeys
import "../logic/profilenames.js" as Names

// The profile dialog: the stored profiles (at most six), New, Import, and on
// a row's menu Delete and Export; a double click renames a row. Its list is
// also the top bar's profile selector: `profileModel` rows carry the name as
// "textValue" and the profile number as "profileNumber". Every change of the
// list is stored at once.
Rectangle {
    id: profile

    property var profileLang: ["config", "New", "Import", "Delete", "Export", "Standard"]
    // The active profile's number; -1 until the main screen sets it.
    property int profileNo: -1
    property ListModel profileModel: ListModel {}
    // The highlighted row of the dialog.
    property int currentRow: 0
    // The row carrying the active number; -1 when no row carries it.
    property int activeRow: -1
    // The row whose name is being edited, -1 when none.
    property int editingRow: -1
    // Delete is shown greyed for the first and the active profile.
    readonly property bool canDeleteCurrent: currentRow > 0 && currentRow !== activeRow

    signal changeProfile(int profileNumber)
    // An import went into the active profile's file: what the panels show
    // and the mouse holds is now out of date.
    signal activeProfileReplaced()
    signal closed()

    function text(i) {
        return profileLang[i] || ""
    }

    function entries() {
        var out = []
        for (var i = 0; i < profileModel.count; ++i) {
            var row = profileModel.get(i)
            out.push({ name: row.textValue, number: row.profileNumber })
        }
        return out
    }
    function store() {
        ui_View.updataNameList(2, Names.encode(entries()))
        refreshActiveRow()
    }
    function refreshActiveRow() {
        activeRow = Names.rowOfNumber(entries(), profileNo)
    }

    function init() {
        profileFocus()
        var read = Names.parse(ui_View.getNameList(2))
        // Without any stored entry the first profile still has to be there.
        if (read.length === 0)
            read = [{ name: "", number: 0 }]
        profileModel.clear()
        for (var i = 0; i < read.length; ++i)
            profileModel.append({ textValue: read[i].name, profileNumber: read[i].number })
        currentRow = 0
        profileModel.setProperty(0, "textValue", text(5))
        store()
    }

    function open() {
        visible = true
    }
    function close() {
        profileFocus()
        visible = false
        closed()
        if (typeof root !== "undefined" && root && typeof root.mainFocus === "function")
            root.mainFocus()
    }
    // Ends a rename (keeping the typed name) and folds the menu.
    function profileFocus() {
        finishRename(true)
        menu.visible = false
    }

    // Appends a fresh entry and makes it current; false with six rows.
    function addRow() {
        var list = entries()
        if (!Names.canAdd(list))
            return false
        profileModel.append({ textValue: Names.newName(list), profileNumber: Names.newNumber(list) })
        currentRow = profileModel.count - 1
        store()
        return true
    }
    function newProfile() {
        if (addRow())
            ui_View.resetProfile(profileModel.get(currentRow).profileNumber)
    }
    // Into a new row, or into the highlighted one when six exist. A new row
    // whose file choice is cancelled goes again: its file holds whatever a
    // deleted profile left there.
    function importProfile() {
        var added = addRow()
        if (currentRow < 0 || currentRow >= profileModel.count)
            return
        var number = profileModel.get(currentRow).profileNumber
        var loaded = ui_View.loadProfile(number)
        if (added && !loaded) {
            profileModel.remove(currentRow)
            currentRow = profileModel.count - 1
            store()
        } else if (loaded && number === profileNo) {
            activeProfileReplaced()
        }
    }
    function deleteProfile() {
        menu.visible = false
        if (!Names.canDelete(entries(), currentRow, profileNo))
            return
        profileModel.remove(currentRow)
        currentRow = Math.min(currentRow, profileModel.count - 1)
        store()
    }
    function exportProfile() {
        menu.visible = false
        ui_View.saveProfile(profileNo)
    }

    function startRename(row) {
        finishRename(true)
        currentRow = row
        editingRow = row
    }
    function finishRename(keep) {
        if (editingRow < 0)
            return
        var row = editingRow
        editingRow = -1
        var name = nameEditor.text
        if (keep && Names.canRename(entries(), name)) {
            profileModel.setProperty(row, "textValue", name)
            store()
        }
    }
    function openMenu(row, point) {
        finishRename(true)
        currentRow = row
        menu.x = Math.min(point.x, width - menu.width)
        menu.y = Math.min(point.y, height - menu.height)
        menu.keyRow = -1
        menu.visible = true
    }

    // ---- keyboard: the list, its menu and the rename field ----

    function pressListKey(event) {
        var action = ListKeys.listKey(event.key, event.modifiers, currentRow, profileModel.count)
        if (action === null)
            return false
        if (action.kind === "choose") {
            currentRow = action.row
            rows.positionViewAtIndex(action.row, ListView.Contain)
        } else if (action.kind === "activate" && currentRow >= 0) {
            startRename(currentRow)
        } else if (action.kind === "menu" && currentRow >= 0) {
            rows.positionViewAtIndex(currentRow, ListView.Contain)
            openMenu(currentRow, listFrame.mapToItem(profile, 16, 1 + currentRow * 27 - rows.contentY + 13))
            menu.keyRow = menu.nextKeyRow(-1, 1)
            menu.forceActiveFocus()
        }
        return true
    }
    function giveKeysToList() {
        listFrame.forceActiveFocus()
    }

    width: 415
    height: 288
    visible: false
    color: Theme.colorGray0
    border.color: Theme.colorGray1
    radius: 4

    onProfileNoChanged: refreshActiveRow()

    DialogTitle {
        title: profile.text(0)
        onCloseClicked: profile.close()
    }

    Rectangle {
        id: listFrame
        objectName: "profileListFrame"
        x: 16
        y: 48
        width: 384
        height: 180
        color: Theme.colorBlack
        border.color: activeFocus ? Theme.colorOrange : Theme.colorGray1
        activeFocusOnTab: true
        Keys.onPressed: function (event) { event.accepted = profile.pressListKey(event) }
        Accessible.role: Accessible.List
        Accessible.name: profile.text(0)

        ListView {
            id: rows
            objectName: "profileList"
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: profile.profileModel
            delegate: Rectangle {
                objectName: "profileRow" + index
                width: rows.width
                height: 27
                color: index === profile.currentRow || rowHover.containsMouse ? Theme.colorOrange : Theme.colorBlack

                Accessible.role: Accessible.ListItem
                Accessible.name: model.textValue
                Accessible.selected: index === profile.currentRow
                Accessible.onPressAction: profile.currentRow = index

                ThemedText {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    visible: index !== profile.editingRow
                    text: model.textValue
                }
                MouseArea {
                    id: rowHover
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function (mouse) {
                        if (mouse.button === Qt.RightButton)
                            profile.openMenu(index, mapToItem(profile, mouse.x, mouse.y))
                        else
                            profile.currentRow = index
                    }
                    onDoubleClicked: function (mouse) {
                        if (mouse.button === Qt.LeftButton)
                            profile.startRename(index)
                    }
                }
            }
        }

        // The rename field lies over the row being edited.
        Rectangle {
            visible: profile.editingRow >= 0
            x: 1
            y: 1 + profile.editingRow * 27 - rows.contentY
            width: rows.width
            height: 27
            color: Theme.colorBlue

            TextInput {
                id: nameEditor
                objectName: "nameEditor"
                x: 8
                width: parent.width - 16
                anchors.verticalCenter: parent.verticalCenter
                color: Theme.fontColor
                selectionColor: Theme.colorOrange
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                clip: true
                Accessible.role: Accessible.EditableText
                Accessible.name: text
                Keys.onReturnPressed: { profile.finishRename(true); profile.giveKeysToList() }
                Keys.onEnterPressed: { profile.finishRename(true); profile.giveKeysToList() }
                Keys.onEscapePressed: { profile.finishRename(false); profile.giveKeysToList() }
                onActiveFocusChanged: if (!activeFocus) profile.finishRename(true)
            }
        }
    }

    onEditingRowChanged: {
        if (editingRow < 0)
            return
        nameEditor.text = profileModel.get(editingRow).textValue
        nameEditor.forceActiveFocus()
        nameEditor.selectAll()
    }

    PictureButton {
        objectName: "newButton"
        x: 16
        y: 244
        text: profile.text(1)
        onClicked: profile.newProfile()
    }
    PictureButton {
        objectName: "importButton"
        x: 96
        y: 244
        text: profile.text(2)
        onClicked: profile.importProfile()
    }

    // A press anywhere ends a rename and folds the menu unless it lands on
    // them; the press then goes on to what lies below.
    MouseArea {
        anchors.fill: parent
        onPressed: function (mouse) {
            var inMenu = menu.visible && menu.contains(mapToItem(menu, mouse.x, mouse.y))
            var onEditor = profile.editingRow >= 0 && nameEditor.contains(mapToItem(nameEditor, mouse.x, mouse.y))
            if (!onEditor)
                profile.finishRename(true)
            if (!inMenu)
                menu.visible = false
            mouse.accepted = false
        }
    }

    Rectangle {
        id: menu
        objectName: "menu"
        // The keyboard's item when opened from the keyboard, else -1.
        property int keyRow: -1
        readonly property var items: [
            { label: profile.text(3), act: profile.deleteProfile, name: "deleteItem" },
            { label: profile.text(4), act: profile.exportProfile, name: "exportItem" }
        ]
        function usable() {
            return [profile.canDeleteCurrent, true]
        }
        function nextKeyRow(from, direction) {
            return ListKeys.nextUsable(usable(), from, direction)
        }
        function chooseByKey() {
            if (keyRow < 0 || !usable()[keyRow])
                return
            items[keyRow].act()
            visible = false
            profile.giveKeysToList()
        }
        width: 100
        height: 48
        visible: false
        z: 10
        color: Theme.colorGray0
        border.color: Theme.colorGray1
        Keys.onUpPressed: keyRow = nextKeyRow(keyRow, -1)
        Keys.onDownPressed: keyRow = nextKeyRow(keyRow, 1)
        Keys.onReturnPressed: chooseByKey()
        Keys.onEnterPressed: chooseByKey()
        Keys.onSpacePressed: chooseByKey()
        Keys.onEscapePressed: {
            visible = false
            profile.giveKeysToList()
        }

        Column {
            anchors.fill: parent
            Repeater {
                model: menu.items
                delegate: Rectangle {
                    readonly property bool usable: menu.usable()[index]
                    objectName: modelData.name
                    width: menu.width
                    height: 24
                    color: itemHover.containsMouse || index === menu.keyRow ? Theme.colorOrange : "transparent"
                    Accessible.role: Accessible.MenuItem
                    Accessible.name: modelData.label
                    Accessible.onPressAction: modelData.act()
                    ThemedText {
                        anchors.centerIn: parent
                        text: modelData.label
                        color: parent.usable ? Theme.fontColor : Theme.colorGray2
                    }
                    MouseArea {
                        id: itemHover
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: modelData.act()
                    }
                }
            }
        }
    }
}
