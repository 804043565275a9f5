#include "inistore.h"

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
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

bool flushIniStore(QSettings &store)
{
    // A damaged file (one the INI reader could not fully parse) is rewritten
    // from what could be read, but its FormatError status stays for the life
    // of the object and hides any later write error. Whether the write went
    // through shows in the file: what QSettings writes is never damaged, so a
    // successful write always changes it.
    if (store.status() == QSettings::FormatError) {
        const QByteArray damaged = fileContent(store.fileName());
        store.sync();
        if (fileContent(store.fileName()) != damaged) {
            qCWarning(lcStore) << "rewrote damaged file" << store.fileName();
            return true;
        }
        qCWarning(lcStore) << "cannot write" << store.fileName();
        return false;
    }
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    qCWarning(lcStore) << "cannot write" << store.fileName();
    return false;
}

QString iniText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QVariantList iniList(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList)
        return value.toList();
    return {};
}
