#include "inistore.h"

#include "storelog.h"

#include <QFile>

std::unique_ptr<QSettings> openIniStore(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool flushIniStore(QSettings &store)
{
    // status() keeps the first problem for good: a format error met while
    // reading an old file would stand for every later write. Whether such a
    // write went through shows in the file itself, which QSettings rewrites
    // without the lines it could not parse.
    const bool formatErrorBefore = store.status() == QSettings::FormatError;
    const QByteArray before = formatErrorBefore ? fileBytes(store.fileName()) : QByteArray();
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    if (formatErrorBefore && store.status() == QSettings::FormatError && fileBytes(store.fileName()) != before)
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
