#pragma once

class QQuickWidget;

// Building the scene allocates and frees a great deal (compilation units,
// the start-up picture, first layouts); the C library keeps the freed pages
// mapped. Once the main screen has started, hands them back to the system:
// the program spends most of its run idle behind its tray icon.
void releaseFreedHeapOnceStarted(QQuickWidget* view);

// Returns freed heap pages to the system where the C library allows it.
void releaseFreedHeap();
