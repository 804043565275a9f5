#include "namelists.h"

#include "inistore.h"
#include "keycatalogue.h"
#include "storelog.h"
#include "storepaths.h"

namespace {

// The key of a list type, or an empty string for an unknown type.
QString nameListKey(const QVariant &type)
{
    bool isNumber = false;
    const int index = type.toInt(&isNumber);
    if (!isNumber || index < 0 || index >= int(SettingKey::kNameListKeys.size()))
        return {};
    return SettingKey::kNameListKeys[index];
}

} // namespace

namespace NameLists {

QVariantList getNameList(const QVariant &type)
{
    const QString key = nameListKey(type);
    if (key.isEmpty())
        return {};
    // toStringList() keeps a single stored name (written without the filler
    // by hand or by another tool) instead of turning it into an empty list.
    const QStringList names = openIniStore(StorePath::kNameLists)->value(key).toStringList();
    QVariantList result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.append(name);
    return result;
}

bool updataNameList(const QVariant &type, const QStringList &nameList)
{
    const QString key = nameListKey(type);
    if (key.isEmpty()) {
        qCWarning(lcStore) << "no name list of type" << type;
        return false;
    }
    const auto store = openIniStore(StorePath::kNameLists);
    if (nameList.isEmpty()) {
        store->remove(key);
    } else {
        QStringList stored = nameList;
        if (stored.size() == 1)
            stored.append(SettingKey::kNameListFiller);
        store->setValue(key, stored);
    }
    return flushIniStore(*store);
}

} // namespace NameLists
