import QtQml

// Macro files behind the ui_View double: the slots the editor uses answer
// as the store does (a save needs the file, a load ends with the repeat
// count, a rename refuses an existing target, an import copies `chosenFile`
// or is cancelled when it is null).
QtObject {
    property var files: ({})          // name -> { steps: [...], repeat: text }
    property var chosenFile: null     // what the import's file dialog picks

    function reset(view) {
        files = {}
        chosenFile = null
        view.returns["createMacroIni"] = function (name, index) {
            if (!files[name])
                files[name] = { steps: [], repeat: "1" }
            return true
        }
        view.returns["saveMacroIni"] = function (name, steps, repeat) {
            if (!files[name])
                return false
            files[name] = { steps: steps.slice(), repeat: String(repeat) }
            return true
        }
        view.returns["loadMacroIni"] = function (name) {
            var f = files[name]
            return f ? f.steps.concat([f.repeat]) : []
        }
        view.returns["deleteMacroIni"] = function (name) {
            var had = files[name] !== undefined
            delete files[name]
            return had
        }
        view.returns["loadMacroFile"] = function (name) {
            if (chosenFile === null)
                return false
            if (!files[name])
                files[name] = { steps: chosenFile.steps.slice(), repeat: chosenFile.repeat }
            return true
        }
        view.returns["modifyMacroNameUpdateProfile"] = function (oldName, newName) {
            if (!files[oldName] || files[newName])
                return false
            files[newName] = files[oldName]
            delete files[oldName]
            return true
        }
    }
    function add(name, steps, repeat) {
        files[name] = { steps: steps, repeat: String(repeat === undefined ? 1 : repeat) }
    }
}
