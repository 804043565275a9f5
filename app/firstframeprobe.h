#pragma once

class QQuickWidget;

// For start-up measurements (k7config-scenebench): when the environment
// variable K7_REPORT_FIRST_FRAME is set, prints the line "first-frame" on
// standard output once the view has painted a frame with its root item
// visible. Does nothing otherwise.
void reportFirstFrame(QQuickWidget* view);
