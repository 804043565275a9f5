#pragma once

#include <QQuickWidget>
#include <QVariant>

class Hid_Thread;

// The view that shows the scene and, as "ui_View", the controller the scene
// calls for every file and device operation. The logic behind the slots
// lives in the store and control libraries; the slots forward to them.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    void setDevice(Hid_Thread* device) { m_device = device; }
    Hid_Thread* device() const { return m_device; }

    // Key and button events from the global input hooks.
    void detectKeyboard(bool isDown, int code);
    void detectMouse(bool isDown, int code, int x, int y);

    bool isColorful = false;
    bool isGun = false;
    QString icType;
    bool is55328 = false;

public Q_SLOTS:
    void clearHidBusy();
    void initUI();
    void runUI();
    void openUpdateExe();
    void setBusy(int busyTime);
    void setCurrentDPI(int dpiValue);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    Hid_Thread* m_device = nullptr;
};
