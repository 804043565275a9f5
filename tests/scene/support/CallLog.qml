import QtQml

// One ordered record of every call the scene makes on its context objects,
// so a test can assert the order across ui_View, ui_Ctl and hid.
QtObject {
    property var entries: []

    function add(object, name, args) {
        entries.push({ "name": object + "." + name, "args": Array.prototype.slice.call(args) })
    }
    function clear() {
        entries = []
    }
    // "ui_View.setData" style names, in call order; `prefix` keeps only
    // those that start with it.
    function names(prefix) {
        var out = []
        for (var i = 0; i < entries.length; ++i) {
            if (prefix === undefined || entries[i].name.indexOf(prefix) === 0)
                out.push(entries[i].name)
        }
        return out
    }
    // The calls to one function, each an array of its arguments.
    function argsOf(fullName) {
        var out = []
        for (var i = 0; i < entries.length; ++i) {
            if (entries[i].name === fullName)
                out.push(entries[i].args)
        }
        return out
    }
    function count(fullName) {
        return argsOf(fullName).length
    }
}
