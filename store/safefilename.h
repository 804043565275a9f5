#pragma once

#include <QString>

// Macro names and language codes become file names below ./modules/. A name
// that could reach outside its folder, that a file system refuses or that
// names a device on Windows is rejected before any file is touched.
bool isSafeFileStem(const QString &stem);
