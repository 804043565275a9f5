// The hidapi backend serialises the calls that change hidapi's process-wide
// state, whichever threads make them.
#include "device/hidapibackend.h"

#include <QTest>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

std::atomic<int> inside{0};
std::atomic<int> mostInside{0};

void enter()
{
    const int now = ++inside;
    int seen = mostInside;
    while (now > seen && !mostInside.compare_exchange_weak(seen, now)) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    --inside;
}

int fakeInit() { return 0; }
int fakeExit() { return 0; }
hid_device_info* fakeEnumerate(unsigned short, unsigned short) { enter(); return nullptr; }
void fakeFree(hid_device_info*) {}
hid_device* fakeOpen(const char*) { enter(); return nullptr; }

} // namespace

class TestHidapiBackend : public QObject
{
    Q_OBJECT

private slots:
    void enumerateAndOpenNeverOverlap()
    {
        HidapiBackend backend({fakeInit, fakeExit, fakeEnumerate, fakeFree, fakeOpen});
        auto monitor = QtConcurrent::run([&] {
            for (int i = 0; i < 20; ++i)
                backend.openPath("/dev/hidraw1");
        });
        for (int i = 0; i < 20; ++i) {
            backend.enumerate(0x04D9, 0xA1EE);
            backend.openPath("/dev/hidraw0");
        }
        monitor.waitForFinished();
        QCOMPARE(mostInside.load(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "tst_hidapibackend.moc"
