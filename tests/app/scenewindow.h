#pragma once

// The real window and scene over one emulated mouse, driven with mouse
// events at scene coordinates: what the journeys of every area share.
#include "detectionrig.h"

#include <QQuickItem>
#include <QTest>

#include <memory>

class SceneWindow
{
public:
    // A listed mouse of `family`; `flags` go into the global file's "mouse"
    // group.
    explicit SceneWindow(EmulatedMouse::Family family, bool isGun = false, const QVariantMap& flags = {})
    {
        EmulatedMouse::Config config;
        config.family = family;
        mouse = rig.addMouse(config);
        rig.configure({ListedDevice{}}, family == EmulatedMouse::Family::F560 ? QStringLiteral("560")
                                                                              : QStringLiteral("553"),
                      isGun);
        QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        for (auto it = flags.begin(); it != flags.end(); ++it)
            global.setValue(QStringLiteral("mouse/") + it.key(), it.value());
    }

    // Shows the window, not yet connected.
    void open()
    {
        window = std::make_unique<Widget>();
        window->device().setBackend(&rig.backend);
        window->device().setClock(&rig.clock);
        window->show();
    }
    // Connects and waits for the start-up lock to end.
    bool start()
    {
        if (!window)
            open();
        window->checkDevice();
        // The one-second start-up lock plus building the screen: seconds
        // under the sanitizers on a busy machine, so the bound is generous.
        return QTest::qWaitFor([this] { return root() && root()->property("isStarted").toBool()
                                               && view()->isEnabled(); }, 20000);
    }

    myQQuickView* view() const { return window->view(); }
    QQuickItem* root() const { return view()->rootObject(); }

    // Searched in the visual tree: a Repeater's rows have no QObject parent.
    static QQuickItem* find(QQuickItem* from, const QString& name)
    {
        if (from->objectName() == name)
            return from;
        for (QQuickItem* child : from->childItems()) {
            if (QQuickItem* found = find(child, name))
                return found;
        }
        return nullptr;
    }
    // Rows of a list appear on a frame after it is shown: waits a little.
    QQuickItem* item(const QString& name, QQuickItem* under = nullptr) const
    {
        QQuickItem* found = nullptr;
        if (!QTest::qWaitFor([&] { return (found = find(under ? under : root(), name)) != nullptr; }, 1000))
            qWarning() << "no item" << name;
        return found;
    }

    // The scene point of a spot of an item, its centre by default.
    static QPoint at(QQuickItem* item, QPointF spot = {-1, -1})
    {
        if (spot.x() < 0)
            spot = QPointF(item->width() / 2, item->height() / 2);
        return item->mapToScene(spot).toPoint();
    }
    void click(QPoint point)
    {
        QTest::mouseClick(view(), Qt::LeftButton, {}, point);
        QTest::qWait(20);
    }
    void click(QQuickItem* item, QPointF spot = {-1, -1}) { click(at(item, spot)); }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(view(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(view(), from + (to - from) * step / 4);
        QTest::mouseRelease(view(), Qt::LeftButton, {}, to);
        QTest::qWait(20);
    }
    // Opens a drop-down list and clicks its row (rows are 24 high).
    void chooseRow(QQuickItem* dropDown, int row)
    {
        click(at(dropDown, {10, 12}));
        QQuickItem* box = find(dropDown, QStringLiteral("dropBox"));
        QTRY_VERIFY(box && box->height() >= 24 * (row + 1));
        QTRY_COMPARE(box->height(), std::min(dropDown->property("count").toInt(), 10) * 24.0);
        click(at(dropDown, {10, 24.0 * (row + 1) + 12}));
        QTRY_VERIFY(!box->isVisible());
    }
    void save()
    {
        click(at(item(QStringLiteral("saveButton"))));
        QTRY_VERIFY(view()->isEnabled());
    }

    DetectionRig rig;
    EmulatedMouse* mouse = nullptr;
    std::unique_ptr<Widget> window;
};
