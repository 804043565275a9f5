#pragma once

#include <QString>
#include <QtGlobal>

// Settings files are small INI texts; anything larger is not one of them.
inline constexpr qint64 kMaxCopiedFileBytes = 1 << 20;

// Makes `target` a byte-for-byte copy of `source`. The copy is written to a
// temporary file beside the target and renamed over it, so a failed copy
// (unreadable or oversized source, full disk) leaves the old target as it
// was. Returns whether the target now holds the copy.
bool replaceWithCopy(const QString &source, const QString &target);
