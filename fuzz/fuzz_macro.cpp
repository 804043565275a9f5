// A macro (.mc) from elsewhere, imported as a new macro, read back, sent to
// the mouse, saved, renamed, exported and deleted, as the macro editor does.
#include "fuzzsupport.h"

#include <QFile>

namespace {

const QString kName = QStringLiteral("Imported");
const QString kRenamed = QStringLiteral("Imported 2");


// The steps' numbers in order, as the editor turns steps into a payload; a
// field that is not a number travels as the text it is.
QVariantList payloadOf(const QStringList &steps)
{
    QVariantList payload;
    for (const QString &step : steps) {
        for (const QString &field : step.split(QLatin1Char(','))) {
            bool isNumber = false;
            const int value = field.trimmed().toInt(&isNumber);
            payload.append(isNumber ? QVariant(value) : QVariant(field));
        }
    }
    return payload;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static fuzz::StoreRig &rig = *[] {
        fuzz::enterScratchModules();
        return new fuzz::StoreRig(QStringLiteral("./import.mc"), QStringLiteral("./export.mc"));
    }();
    rig.device.clearRecords();

    fuzz::writeInput(rig.chooser.importPath, data, size);
    if (!rig.macros.loadMacroFile(kName))
        return 0;  // refused as a whole (too large)

    QStringList loaded = rig.macros.loadMacroIni(kName);
    fuzz::require(!loaded.isEmpty(), "an imported macro reads as missing");
    const QString repeat = loaded.takeLast();
    rig.controller.mouseSendMacroData(payloadOf(loaded), repeat);
    fuzz::require(!rig.device.hid.hidBusy, "busy flag left set");

    // What the editor saves must come back as it was saved.
    fuzz::require(rig.macros.saveMacroIni(kName, loaded, repeat), "saving the macro failed");
    QStringList reloaded = rig.macros.loadMacroIni(kName);
    fuzz::require(reloaded == loaded + QStringList{repeat}, "saved macro reads back differently");

    fuzz::require(rig.macros.modifyMacroNameUpdateProfile(kName, kRenamed), "macro rename failed");
    fuzz::require(rig.macros.saveMacroFile(kRenamed), "macro export failed");
    fuzz::require(contentOf(rig.chooser.exportPath) == contentOf(QStringLiteral("./modules/macro/") + kRenamed
                                                                 + QStringLiteral(".bin")),
                  "exported macro differs from the macro file");
    rig.macros.deleteMacroUpdateProfile(kRenamed);
    fuzz::require(rig.macros.deleteMacroIni(kRenamed), "macro delete failed");
    return 0;
}
