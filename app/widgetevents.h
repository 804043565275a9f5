#pragma once

#include <QObject>

// What the window does, for diagnostics and tests. Kept apart from Widget so
// that its slots keep their meta-object indexes.
class WidgetEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // Around every detection pass.
    void detectionPassStarted();
    void detectionPassFinished(bool connected);
    // Every tray balloon, as shown.
    void noticeShown(const QString& title, const QString& text);
};
