#pragma once

#include <QObject>

class QWidget;
class myQQuickView;

// What the scene may do to its window: move it, minimise it, hide it, and
// lock itself while the device is busy.
class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    explicit Ui_Controler(QObject* parent = nullptr);

    // Turns the window into a frameless translucent one filled by the view,
    // loads the scene and publishes the context objects.
    void setupView(QWidget* window);
    myQQuickView* view() const { return m_view; }
    // Whether the platform moves windows itself (a system move) rather than
    // letting the program place them.
    static bool movesThroughSystem(const QString& platformName);

public Q_SLOTS:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    void moveWindowBy(int dx, int dy);

    QWidget* m_window = nullptr;
    myQQuickView* m_view = nullptr;
};
