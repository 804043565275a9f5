#pragma once

#include <QLoggingCategory>

// Refused names, failed copies and unreadable files of the settings store.
Q_DECLARE_LOGGING_CATEGORY(lcStore)
