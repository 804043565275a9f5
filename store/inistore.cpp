#include "inistore.h"

#include "storelog.h"

std::unique_ptr<QSettings> openIniStore(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

bool flushIniStore(QSettings &store)
{
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
