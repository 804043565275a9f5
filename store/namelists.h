#pragma once

#include <QStringList>
#include <QVariant>

// The scene's name lists in ./modules/setting/name.bin, selected by type:
// 0 macros, 1 gun names, 2 profiles (name + profile digit), 3 gun choices.
// A one-element list is stored with the filler "loaderplumex" appended, since
// a stored list of one element reads back as a plain text; the scene drops
// the filler when it reads.
namespace NameLists {

// The stored list, filler included; empty when absent or for another type.
QVariantList getNameList(const QVariant &type);

// Stores the list (an empty list removes the key). False for a type other
// than 0..3, which writes nothing, and when the file cannot be written.
bool updataNameList(const QVariant &type, const QStringList &nameList);

} // namespace NameLists
