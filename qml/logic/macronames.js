.pragma library

// Names of the macro library.

var MaxMacros = 100
var NamePrefix = "Macro_"
var Filler = "loaderplumex"   // kept beside a lone name so it reads back as a list

// The stored name list as the editor shows it: texts, filler dropped.
function fromStored(list) {
    var names = []
    for (var i = 0; list && i < list.length; ++i)
        names.push(String(list[i]))
    if (names.length === 2 && names[1] === Filler)
        names.pop()
    return names
}

// "Macro_" + the lowest number 0-99 not in `names`. A number whose macro
// file is left over on disk (`hasFile`) is passed over while another is
// free: a new macro must not pick up old steps, and an import would not
// replace that file. "" when the library is full.
function freeName(names, hasFile) {
    if (names.length >= MaxMacros)
        return ""
    var firstFree = ""
    for (var n = 0; n < MaxMacros; ++n) {
        var name = NamePrefix + n
        if (names.indexOf(name) >= 0)
            continue
        if (!hasFile || !hasFile(name))
            return name
        if (firstFree === "")
            firstFree = name
    }
    return firstFree
}
