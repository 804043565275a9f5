#include "safefilename.h"

#include <QRegularExpression>

namespace {

// Leaves room for the ".bin"/".ini" suffix within a 255-byte file name.
constexpr int kMaxStemBytes = 200;

// Separators plus what Windows refuses in a file name; profile and macro
// files move between systems, so both sets count.
const QString kRefusedCharacters = QStringLiteral("/\\<>:\"|?*");

bool isWindowsDeviceName(const QString &stem)
{
    static const QRegularExpression deviceName(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return deviceName.match(stem).hasMatch();
}

bool hasRefusedCharacter(const QString &stem)
{
    for (const QChar c : stem) {
        if (c.category() == QChar::Other_Control || kRefusedCharacters.contains(c))
            return true;
    }
    return false;
}

} // namespace

bool isSafeFileStem(const QString &stem)
{
    return !stem.trimmed().isEmpty()
        && stem != QLatin1String(".") && stem != QLatin1String("..")
        && stem.toUtf8().size() <= kMaxStemBytes
        && !hasRefusedCharacter(stem)
        && !isWindowsDeviceName(stem);
}
