#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// Every settings file is INI text read and written through QSettings. A
// file holding encoded objects (see storedobjects.h) is set aside as
// "<path>.unsafe" and the store starts empty.
std::unique_ptr<QSettings> openIniStore(const QString &path);

// Writes pending changes now and tells whether the file took them.
bool flushIniStore(QSettings &store);

// A stored text as one string. An unquoted comma makes the INI reader split
// a text into a list; joining it again keeps the text instead of dropping it.
// Half of a UTF-16 pair becomes "?", so that the text survives a save.
QString iniText(const QVariant &value);

// A stored list. A single stored text is not a list: it gives an empty list
// rather than its characters one by one.
QVariantList iniList(const QVariant &value);
