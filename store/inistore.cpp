#include "inistore.h"

#include "storedobjects.h"
#include "storelog.h"

#include <QFile>

namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

std::unique_ptr<QSettings> openIniStore(const QString &path)
{
    if (fileHoldsStoredObjects(path)) {
        // Read as it is, the file could end the program. Kept for a look,
        // out of the way: the store starts empty, as for a missing file.
        const QString aside = path + QStringLiteral(".unsafe");
        QFile::remove(aside);
        if (QFile::rename(path, aside))
            qCWarning(lcStore) << "set aside" << path << "as" << aside << "- it holds encoded objects";
        else
            qCWarning(lcStore) << "not reading" << path << "- it holds encoded objects and cannot be moved";
        if (QFile::exists(path))
            return std::make_unique<QSettings>(aside + QStringLiteral("/unreadable"), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

bool flushIniStore(QSettings &store)
{
    // A damaged file (one the INI reader cannot fully parse) is rewritten
    // from what could be read, but QSettings then reports FormatError, which
    // may first appear during this very write, and which hides any write
    // error after it. Whether the write went through shows in the file: what
    // QSettings writes is never damaged, so a successful write changes it.
    const QByteArray before = fileContent(store.fileName());
    store.sync();
    switch (store.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError:
        if (fileContent(store.fileName()) != before) {
            qCWarning(lcStore) << "rewrote damaged file" << store.fileName();
            return true;
        }
        break;
    case QSettings::AccessError:
        break;
    }
    qCWarning(lcStore) << "cannot write" << store.fileName();
    return false;
}

QString iniText(const QVariant &value)
{
    const QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                  : value.toString();
    // An "\x" escape can make half of a UTF-16 pair, which the writer cannot
    // store: such a text would change on every save. It reads as UTF-8 does.
    return QStringView(text).isValidUtf16() ? text : QString::fromUtf8(text.toUtf8());
}

QVariantList iniList(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList)
        return value.toList();
    return {};
}
