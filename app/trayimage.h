#pragma once

#include <QIcon>
#include <QString>

// The tray icon from a multi-size icon file, keeping only the frames no
// larger than `largestSide` pixels. Falls back to the whole file when it has
// no frame that small; an unreadable file gives an empty icon.
QIcon trayIconFrom(const QString& file, int largestSide);
