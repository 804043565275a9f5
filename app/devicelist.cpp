#include "devicelist.h"

#include "store/inistore.h"

#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcDeviceList, "k7.devicelist")

namespace {

quint64 parseHex(const QString& text)
{
    bool ok = false;
    const quint64 value = text.trimmed().toULongLong(&ok, 16);
    return ok ? value : 0;
}

QString text(const QSettings& file, const QString& key, const QString& fallback = {})
{
    const QVariant value = file.value(key);
    if (!value.isValid())
        return fallback;
    // A value with a comma reads back as a list; its text is the joined list,
    // which then fails the hexadecimal parse like any other bad text.
    return value.userType() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                      : value.toString();
}

DeviceEntry readEntry(const QSettings& file, int index)
{
    const QString section = QString::number(index) + QLatin1Char('/');
    auto key = [&](const char* name) { return section + QLatin1String(name); };

    DeviceEntry entry;
    if (file.contains(key("type")))
        entry.type = parseHex32(text(file, key("type")));
    entry.vid = parseHex16(text(file, key("vid")));
    entry.pid = parseHex16(text(file, key("pid")));
    entry.usagePage = parseHex16(text(file, key("usagePage")));
    entry.usage = parseHex16(text(file, key("usage")));
    entry.usagePage2 = parseHex16(text(file, key("usagePage2")));
    entry.usage2 = parseHex16(text(file, key("usage2")));
    entry.reportLength = file.value(key("reportLength"), 32).toInt();
    entry.isEncode = file.value(key("isEncode"), false).toBool();
    entry.sCode = text(file, key("sCode"), entry.sCode);
    return entry;
}

} // namespace

quint16 parseHex16(const QString& text)
{
    return static_cast<quint16>(parseHex(text) & 0xFFFFu);
}

qint32 parseHex32(const QString& text)
{
    return static_cast<qint32>(static_cast<quint32>(parseHex(text) & 0xFFFFFFFFu));
}

QList<DeviceEntry> loadDeviceList(const QString& fileName)
{
    const auto store = openIniStore(fileName);
    const QSettings& file = *store;
    int count = file.value(QStringLiteral("common/deviceCount"), 0).toInt();
    if (count > MAX_DEVICE_ENTRIES) {
        qCWarning(lcDeviceList) << "deviceCount" << count << "is out of range; reading the first"
                                << MAX_DEVICE_ENTRIES << "entries";
        count = MAX_DEVICE_ENTRIES;
    }

    QList<DeviceEntry> list;
    for (int i = 0; i < count; ++i)
        list.append(readEntry(file, i));
    return list;
}
