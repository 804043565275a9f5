// Pulls the emulated mouse out at a random point of each exchange, for every
// kind of exchange: the waits stay bounded, the busy flag is always given
// back, no handle stays open, and the next plug-in is found, answers the
// handshake and takes commands again. Seeded (K7_STORM_SEED); the number of
// exchanges per kind is K7_STORM_ROUNDS.
#include "devicedetection.h"
#include "environmentnumber.h"
#include "simrig.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

namespace {

constexpr qint64 kLongestAllowedWaitMs = 2500;

// Passes every call to the emulated mouse's backend and pulls the mouse out
// just before the call numbered `unplugAt` (counted from arm()).
class UnplugBackend final : public HidBackend
{
public:
    UnplugBackend(SimBackend &inner, EmulatedMouse &mouse) : m_inner(inner), m_mouse(mouse) {}

    void arm(int unplugAt) { m_calls = 0; m_unplugAt = unplugAt; }
    int calls() const { return m_calls; }

    QList<HidDeviceInfo> enumerate(quint16 vid, quint16 pid) override { return m_inner.enumerate(vid, pid); }
    HidHandle *openPath(const char *path) override { tick(); return m_inner.openPath(path); }
    int setNonblocking(HidHandle *h, int nonblock) override { tick(); return m_inner.setNonblocking(h, nonblock); }
    void close(HidHandle *h) override { m_inner.close(h); }
    int sendFeatureReport(HidHandle *h, const unsigned char *d, size_t n) override { tick(); return m_inner.sendFeatureReport(h, d, n); }
    int getFeatureReport(HidHandle *h, unsigned char *d, size_t n) override { tick(); return m_inner.getFeatureReport(h, d, n); }
    int write(HidHandle *h, const unsigned char *d, size_t n) override { tick(); return m_inner.write(h, d, n); }
    int read(HidHandle *h, unsigned char *d, size_t n) override { tick(); return m_inner.read(h, d, n); }
    int readTimeout(HidHandle *h, unsigned char *d, size_t n, int ms) override { tick(); return m_inner.readTimeout(h, d, n, ms); }

private:
    void tick()
    {
        if (++m_calls == m_unplugAt)
            m_mouse.unplug();
    }

    SimBackend &m_inner;
    EmulatedMouse &m_mouse;
    int m_calls = 0;
    int m_unplugAt = 0;
};

struct Exchange
{
    const char *name;
    EmulatedMouse::Family family;
    std::function<void(Hid_Thread &, QRandomGenerator &)> run;
};

QByteArray randomBytes(QRandomGenerator &random, int length)
{
    QByteArray bytes(length, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

const QList<Exchange> &exchanges()
{
    using F = EmulatedMouse::Family;
    static const QList<Exchange> list = {
        {"short command", F::F553, [](Hid_Thread &hid, QRandomGenerator &r) { hid.hid553_0BH_SetCurrentDPI(uchar(r.bounded(8))); }},
        {"profile write", F::F560, [](Hid_Thread &hid, QRandomGenerator &r) {
             hid.hid560_0CH_setProfile(raw(randomBytes(r, 128)), uchar(r.bounded(5)));
         }},
        {"profile read", F::F560, [](Hid_Thread &hid, QRandomGenerator &r) {
             std::array<uchar, 128> image{};
             hid.hid560_8CH_readProfile(image.data(), uchar(r.bounded(5)));
         }},
        {"macro send", F::F553, [](Hid_Thread &hid, QRandomGenerator &r) {
             hid.hid553_13H_SetMacroKey(uchar(1 + r.bounded(12)), raw(randomBytes(r, 128)));
         }},
        {"gun send", F::F553, [](Hid_Thread &hid, QRandomGenerator &r) {
             hid.hid553_04H_SetGunData(uchar(r.bounded(256)), uchar(r.bounded(256)), uchar(r.bounded(256)), uchar(1 + r.bounded(3)));
         }},
        {"handshake", F::F553, [](Hid_Thread &hid, QRandomGenerator &) { hid.chkDeviceIsEnCode(0); }},
        {"notification read", F::F553, [](Hid_Thread &hid, QRandomGenerator &) {
             quint8 stage = 0;
             hid.readNotification(0, &stage);
         }},
    };
    return list;
}

struct StormFigures
{
    int exchanges = 0;
    int unplugs = 0;
    qint64 longestVirtualMs = 0;
    qint64 longestRealMs = 0;
    int hangs = 0;
    int busyLeftSet = 0;
    int handlesLeftOpen = 0;
    int failedReconnects = 0;
};

} // namespace

class TestUnplugStorm : public QObject
{
    Q_OBJECT

private slots:
    void everyExchangeSurvivesUnplugging_data();
    void everyExchangeSurvivesUnplugging();

private:
    // Detection's steps for the one mouse: find its interfaces, answer the
    // handshake, then take a command and report a DPI press.
    static bool reconnects(SimRig &rig, UnplugBackend &backend, QRandomGenerator &random);
};

bool TestUnplugStorm::reconnects(SimRig &rig, UnplugBackend &backend, QRandomGenerator &random)
{
    rig.mouse->replug();
    backend.arm(0);
    QList<DeviceEntry> entries = {SimRig::entryFor(rig.mouse->config())};
    assignInterfacePaths(entries, backend);
    rig.hid.setDeviceList(entries);
    if (!rig.hid.chkDeviceIsEnCode(0))
        return false;
    const quint8 stage = quint8(random.bounded(8));
    if (rig.mouse->config().family == EmulatedMouse::Family::F560) {
        rig.hid.hid560_02H_SetCurrentProfile(stage % 5);
        if (rig.mouse->state().currentProfile != stage % 5)
            return false;
    } else {
        rig.hid.hid553_0BH_SetCurrentDPI(stage);
        if (rig.mouse->state().currentDpi[rig.mouse->state().currentProfile] != stage)
            return false;
    }
    rig.mouse->pressDpiButton(stage);
    quint8 reported = 0xFF;
    return rig.hid.readNotification(0, &reported) == Hid_Thread::NotifyRead::Stage && reported == stage;
}

void TestUnplugStorm::everyExchangeSurvivesUnplugging_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < exchanges().size(); ++kind)
        QTest::newRow(exchanges()[kind].name) << kind;
}

void TestUnplugStorm::everyExchangeSurvivesUnplugging()
{
    QFETCH(int, kind);
    const Exchange &exchange = exchanges()[kind];
    const int rounds = environmentNumber("K7_STORM_ROUNDS", 100);
    QRandomGenerator random(quint32(environmentNumber("K7_STORM_SEED", 16)) + quint32(kind));

    SimRig rig(SimRig::config(exchange.family));
    rig.backend.setNotificationWaitMs(1);
    UnplugBackend backend(rig.backend, *rig.mouse);
    rig.hid.setBackend(&backend);
    QVERIFY(rig.handshake());

    // How many HID calls the whole exchange makes, so that the unplug can
    // fall before any of them.
    backend.arm(0);
    rig.mouse->pressDpiButton(1);
    exchange.run(rig.hid, random);
    const int callsPerExchange = backend.calls();
    QVERIFY(callsPerExchange > 0);

    StormFigures figures;
    for (int round = 0; round < rounds; ++round) {
        const int unplugAt = 1 + random.bounded(callsPerExchange);
        backend.arm(unplugAt);
        const qint64 virtualStart = rig.clock.nowMs();
        QElapsedTimer real;
        real.start();
        exchange.run(rig.hid, random);
        const qint64 virtualMs = rig.clock.nowMs() - virtualStart;
        const qint64 realMs = real.elapsed();

        ++figures.exchanges;
        figures.unplugs += rig.mouse->isPlugged() ? 0 : 1;
        figures.longestVirtualMs = std::max(figures.longestVirtualMs, virtualMs);
        figures.longestRealMs = std::max(figures.longestRealMs, realMs);
        figures.hangs += std::max(virtualMs, realMs) > kLongestAllowedWaitMs ? 1 : 0;
        figures.busyLeftSet += rig.hid.hidBusy ? 1 : 0;
        figures.handlesLeftOpen += rig.backend.liveHandles() != 0 ? 1 : 0;
        rig.hid.clearHidBusy();
        figures.failedReconnects += reconnects(rig, backend, random) ? 0 : 1;
    }

    qInfo("%s: %d exchanges, %d unplugs, longest wait %lld ms (virtual) / %lld ms (real), %d hangs, "
          "busy flag left set %d, handles left open %d, failed reconnects %d",
          exchange.name, figures.exchanges, figures.unplugs, figures.longestVirtualMs,
          figures.longestRealMs, figures.hangs, figures.busyLeftSet, figures.handlesLeftOpen,
          figures.failedReconnects);

    QCOMPARE(figures.unplugs, rounds);
    QCOMPARE(figures.hangs, 0);
    QCOMPARE(figures.busyLeftSet, 0);
    QCOMPARE(figures.handlesLeftOpen, 0);
    QCOMPARE(figures.failedReconnects, 0);
}

QTEST_GUILESS_MAIN(TestUnplugStorm)
#include "tst_unplugstorm.moc"
