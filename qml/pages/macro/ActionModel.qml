import QtQuick
import "../../logic/macrocode.js" as MacroCode

// The actions of the current macro ({ type, info } rows) and the edits the
// editor makes on them. Every edit keeps the payload within the device's
// block and tells whether it changed anything; saving is the editor's.
ListModel {
    id: actions

    // Row of the current action, -1 for none.
    property int current: -1

    function asArray() {
        return MacroCode.toArray(actions)
    }
    function texts() {
        return asArray().map(MacroCode.actionText)
    }
    function load(steps) {
        clear()
        current = -1
        for (var i = 0; i < steps.length; ++i) {
            var action = MacroCode.parseAction(steps[i])
            append({ type: action.type, info: action.info })
        }
    }
    function encodedLength() {
        return MacroCode.encodedLength(asArray())
    }
    // New actions are taken below the editor's limit, and only when the
    // payload then still fits the device's block: one more action after a
    // long pause adds six bytes, which could pass 128 and get the whole
    // macro refused.
    function canAdd() {
        return encodedLength() < MacroCode.TakeLimit
    }
    function fitsWith(row, added) {
        var list = asArray()
        Array.prototype.splice.apply(list, [row, 0].concat(added))
        return MacroCode.encodedLength(list) <= MacroCode.PayloadLimit
    }
    function insertAll(row, added) {
        if (!canAdd() || !fitsWith(row, added))
            return false
        for (var i = 0; i < added.length; ++i)
            insert(row + i, added[i])
        return true
    }
    function isLastOrNone(row) {
        return row < 0 || row >= count - 1
    }
    function pressAndRelease(name, isMouse) {
        return [{ type: isMouse ? MacroCode.MouseDown : MacroCode.KeyDown, info: name },
                { type: isMouse ? MacroCode.MouseUp : MacroCode.KeyUp, info: name }]
    }

    function removeCurrent() {
        if (current < 0 || current >= count)
            return false
        remove(current)
        current = Math.min(current, count - 1)
        return true
    }
    // 50 ms before the current action (at the end when none is current);
    // the delay becomes current.
    function insertDelay() {
        var row = current >= 0 ? current : count
        if (!insertAll(row, [{ type: MacroCode.Delay, info: "50" }]))
            return false
        current = row
        return true
    }
    // After the current action, or at the end; the release becomes current
    // so that further inserts follow in order.
    function insertMouseKey(name) {
        var row = isLastOrNone(current) ? count : current + 1
        if (!insertAll(row, pressAndRelease(name, true)))
            return false
        current = row + 1
        return true
    }
    // At the end after the last action, else before the current one, which
    // stays current.
    function insertKey(name) {
        var appended = isLastOrNone(current)
        var row = appended ? count : current
        if (!insertAll(row, pressAndRelease(name, false)))
            return false
        current = appended ? count - 1 : row + 2
        return true
    }
    // Only a whole number 0-65535 replaces a delay, and only when the
    // payload still fits the block with it (or is no longer than before).
    function setDelay(row, text) {
        var value = String(text).trim()
        if (!/^[0-9]+$/.test(value) || Number(value) > MacroCode.MaxDelayMs)
            return false
        var list = asArray()
        list[row] = { type: MacroCode.Delay, info: String(Number(value)) }
        var length = MacroCode.encodedLength(list)
        if (length > MacroCode.PayloadLimit && length > encodedLength())
            return false
        setProperty(row, "info", String(Number(value)))
        return true
    }
    // A recorded key event, after a delay of `pauseMs` when delays are
    // recorded and there is an action to follow.
    function record(isDown, code, name, withDelay, pauseMs) {
        var added = []
        if (count > 0 && withDelay)
            added.push({ type: MacroCode.Delay, info: String(Math.min(MacroCode.MaxDelayMs, pauseMs)) })
        added.push({ type: MacroCode.eventType(isDown, code), info: name })
        return insertAll(count, added)
    }
}
