#pragma once

#include <QString>

// The tray text for a DPI stage reported by the mouse: the language file's
// text for stages 1 to 7, its eighth text for any other stage, then a blank.
QString dpiNoticeText(int stage);
