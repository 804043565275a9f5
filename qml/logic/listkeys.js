.pragma library

// The keyboard in the lists of rows (the macro editor's, the profile
// dialog's) and in their pop-up menus.

// What `key` does in a list of `count` rows whose current row is
// `currentRow` (-1 for none): { kind: "choose", row } for Up and Down (the
// row above or below, held at the ends), { kind: "activate" } for Enter
// (what a double click does), { kind: "menu" } for the Menu key or
// Shift+F10; null for any other key.
function listKey(key, modifiers, currentRow, count) {
    if (key === Qt.Key_Down || key === Qt.Key_Up) {
        if (count <= 0)
            return { kind: "none" }
        var step = key === Qt.Key_Down ? 1 : -1
        var row = currentRow < 0 ? 0 : Math.max(0, Math.min(count - 1, currentRow + step))
        return { kind: "choose", row: row }
    }
    if (key === Qt.Key_Return || key === Qt.Key_Enter)
        return { kind: "activate" }
    if (key === Qt.Key_Menu || (key === Qt.Key_F10 && (modifiers & Qt.ShiftModifier)))
        return { kind: "menu" }
    return null
}

// In a menu whose rows can be chosen where `usable[i]` is true: the next
// such row after `from` in `direction` (+1 or -1), or `from` when there is
// none.
function nextUsable(usable, from, direction) {
    for (var row = from + direction; row >= 0 && row < usable.length; row += direction) {
        if (usable[row])
            return row
    }
    return from
}
