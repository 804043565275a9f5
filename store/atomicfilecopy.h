#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <functional>

// Settings files are small INI texts; anything larger is not one of them.
inline constexpr qint64 kMaxCopiedFileBytes = 1 << 20;

// Makes `target` a byte-for-byte copy of `source`. The copy is written to a
// temporary file beside the target and renamed over it, so a failed copy
// (unreadable or oversized source, full disk) leaves the old target as it
// was. Returns whether the target now holds the copy.
bool replaceWithCopy(const QString &source, const QString &target);

// Moves a file's modification time past `previous`, through the two
// accessors, in steps until the file system's timestamp tick takes it.
// Returns whether the time read back is later than `previous`.
bool stepModificationTimePast(const QDateTime &previous, const std::function<QDateTime()> &readTime,
                              const std::function<bool(const QDateTime &)> &writeTime);
