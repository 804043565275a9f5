.pragma library

// Rules of the profile list: at most six profiles, numbered 0 .. 5 (number
// n lives in file p(n+1)); the name list stores each as its name followed
// by the number's digit.
var MAX_PROFILES = 6
var FILLER = "loaderplumex"
var NEW_PREFIX = "profile_"
var NEW_NAME_TRIES = 12

// Entries {name, number} from the stored name list. A list of one name is
// stored padded with the filler, which is dropped again here. An element
// that does not end in a profile digit, or repeats a number already seen,
// could only select the wrong file: it is left out.
function parse(stored) {
    var list = []
    if (typeof stored === "string")
        list = stored === "" ? [] : [stored]
    else if (stored)
        list = Array.prototype.slice.call(stored)
    if (list.length === 2 && String(list[1]) === FILLER)
        list = [list[0]]
    var out = []
    var seen = {}
    for (var i = 0; i < list.length; ++i) {
        var text = String(list[i])
        var digit = text.charAt(text.length - 1)
        var number = "012345".indexOf(digit)
        if (text.length < 1 || number < 0 || seen[number]) {
            console.warn("profile list: entry ignored:", text)
            continue
        }
        seen[number] = true
        out.push({ name: text.substring(0, text.length - 1), number: number })
    }
    return out
}

function encode(entries) {
    var out = []
    for (var i = 0; i < entries.length; ++i)
        out.push(entries[i].name + entries[i].number)
    return out
}

function hasName(entries, name) {
    for (var i = 0; i < entries.length; ++i) {
        if (entries[i].name === name)
            return true
    }
    return false
}

function rowOfNumber(entries, number) {
    for (var i = 0; i < entries.length; ++i) {
        if (entries[i].number === number)
            return i
    }
    return -1
}

// "profile_" and the lowest n that no row is named after; "" when every
// candidate is taken (it cannot be with six rows).
function newName(entries) {
    for (var n = 0; n < NEW_NAME_TRIES; ++n) {
        if (!hasName(entries, NEW_PREFIX + n))
            return NEW_PREFIX + n
    }
    return ""
}

// The lowest profile number no row carries; -1 when all six are used.
function newNumber(entries) {
    for (var n = 0; n < MAX_PROFILES; ++n) {
        if (rowOfNumber(entries, n) < 0)
            return n
    }
    return -1
}

function canAdd(entries) {
    return entries.length < MAX_PROFILES && newNumber(entries) >= 0 && newName(entries) !== ""
}

// The first profile and the active one are never deleted.
function canDelete(entries, row, activeNumber) {
    return row > 0 && row < entries.length && entries[row].number !== activeNumber
}

// A new name is taken only when no row carries it already. An empty or
// blank name would leave a row nobody can see or pick.
function canRename(entries, name) {
    var text = String(name)
    return text.trim() !== "" && !hasName(entries, text)
}
