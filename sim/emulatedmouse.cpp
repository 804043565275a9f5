// Transport side of the emulated mouse: framing checks, pacing checks,
// recording, fault injection and the report queues.
#include "emulatedmouse.h"

#include "mousecommands.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

#include <algorithm>

namespace {

constexpr int FeatureReportSize = MouseCodec::BlockSize + 1;
constexpr int MaxReportLength = 128;
constexpr int DefaultReportLength = 32;
constexpr int MaxQueuedNotifications = 64;
// Long runs (the demo) keep only the most recent records.
constexpr int MaxFrames = 20000;
constexpr int MaxErrors = 1000;
constexpr quint8 Enable553 = 0x40;  // notification switch in keyboard-option byte 4
constexpr quint8 Enable560 = 0x08;  // notification switch in keyboard-option byte 1

QByteArray bytesOf(const quint8* data, size_t length)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(length));
}

QByteArray bytesOf(const MouseCodec::Block& block)
{
    return bytesOf(block.data(), block.size());
}

int interfaceIndex(EmulatedMouse::Interface which)
{
    return which == EmulatedMouse::Interface::Command ? 0 : 1;
}

} // namespace

EmulatedMouse::EmulatedMouse(const Config& config)
    : m_config(config)
    , m_reportLength(config.reportLength >= 1 && config.reportLength <= MaxReportLength
                         ? config.reportLength
                         : DefaultReportLength)
{
}

EmulatedMouse::Config EmulatedMouse::config() const
{
    return m_config;
}

MouseState EmulatedMouse::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void EmulatedMouse::setState(const MouseState& state)
{
    QMutexLocker lock(&m_mutex);
    m_state = state;
}

void EmulatedMouse::setAnswerMode(AnswerMode mode)
{
    QMutexLocker lock(&m_mutex);
    m_answerMode = mode;
}

void EmulatedMouse::failNext(HostCall call, int skip, Fault fault)
{
    QMutexLocker lock(&m_mutex);
    m_faults[std::size_t(call)] = {std::max(skip, 0), fault};
}

void EmulatedMouse::unplug()
{
    QMutexLocker lock(&m_mutex);
    m_plugged = false;
    ++m_generation;  // handles opened before are dead for good
    m_pendingRule = nullptr;
    m_pendingData.clear();
    m_input.clear();
    m_notifications.clear();
    m_earliestNextMs = 0;
    m_requiredGapMs = 0;
    m_notificationArrived.wakeAll();
}

void EmulatedMouse::replug()
{
    QMutexLocker lock(&m_mutex);
    m_plugged = true;
    // Powered up again: notification reports are off until the host asks.
    m_state.keyboardOption[0] &= quint8(~Enable560);
    m_state.keyboardOption[3] &= quint8(~Enable553);
}

bool EmulatedMouse::isPlugged() const
{
    QMutexLocker lock(&m_mutex);
    return m_plugged;
}

void EmulatedMouse::pressDpiButton(quint8 stage)
{
    QMutexLocker lock(&m_mutex);
    currentProfileSlot(m_state.currentDpi) = stage;
    lock.unlock();
    queueNotification(QByteArray("\x06\x07\x00", 3) + char(stage));
}

void EmulatedMouse::queueNotification(const QByteArray& report)
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged || !m_config.notification.present)
        return;
    if (int(m_notifications.size()) >= MaxQueuedNotifications)
        m_notifications.pop_front();
    m_notifications.push_back(report);
    m_notificationArrived.wakeAll();
}

bool EmulatedMouse::notificationsEnabled() const
{
    QMutexLocker lock(&m_mutex);
    return m_config.family == Family::F553 ? (m_state.keyboardOption[3] & Enable553) != 0
                                           : (m_state.keyboardOption[0] & Enable560) != 0;
}

QList<EmulatedMouse::Frame> EmulatedMouse::frames() const
{
    QMutexLocker lock(&m_mutex);
    return m_frames;
}

QList<QByteArray> EmulatedMouse::sentBlocks() const
{
    QList<QByteArray> blocks;
    for (const Frame& frame : frames())
        if (frame.kind == Frame::Kind::FeatureOut)
            blocks.append(frame.block);
    return blocks;
}

QList<EmulatedMouse::Frame> EmulatedMouse::dataReports() const
{
    QList<Frame> reports;
    for (const Frame& frame : frames())
        if (frame.kind == Frame::Kind::DataOut)
            reports.append(frame);
    return reports;
}

QStringList EmulatedMouse::protocolErrors() const
{
    QMutexLocker lock(&m_mutex);
    return m_errors;
}

void EmulatedMouse::clearRecords()
{
    QMutexLocker lock(&m_mutex);
    m_frames.clear();
    m_errors.clear();
    m_openCount = {};
}

int EmulatedMouse::openCount(Interface which) const
{
    QMutexLocker lock(&m_mutex);
    return m_openCount[interfaceIndex(which)];
}

int EmulatedMouse::openHandles(Interface which) const
{
    QMutexLocker lock(&m_mutex);
    return m_openHandles[interfaceIndex(which)];
}

bool EmulatedMouse::alive(quint64 generation) const
{
    return m_plugged && generation == m_generation;
}

bool EmulatedMouse::takeFault(HostCall call, Fault* fault)
{
    PendingFault& pending = m_faults[std::size_t(call)];
    if (pending.skip < 0)
        return false;
    if (pending.skip-- > 0)
        return false;
    if (fault)
        *fault = pending.fault;
    pending = {};
    return true;
}

void EmulatedMouse::record(Frame::Kind kind, const QByteArray& bytes, qint64 nowMs,
                           const QByteArray& block)
{
    if (m_frames.size() >= MaxFrames)
        m_frames.remove(0, MaxFrames / 10);
    m_frames.append({kind, bytes, block, nowMs});
}

void EmulatedMouse::error(const QString& text)
{
    if (m_errors.size() < MaxErrors)
        m_errors.append(text);
}

void EmulatedMouse::checkPause(qint64 nowMs, const char* what)
{
    if (nowMs >= m_earliestNextMs)
        return;
    const qint64 gap = nowMs - (m_earliestNextMs - m_requiredGapMs);
    error(QStringLiteral("%1 came %2 ms after the previous frame; it needs %3 ms")
              .arg(QLatin1String(what))
              .arg(gap)
              .arg(m_requiredGapMs));
}

void EmulatedMouse::requirePause(qint64 nowMs, int gapMs)
{
    m_earliestNextMs = nowMs + gapMs;
    m_requiredGapMs = gapMs;
}

bool EmulatedMouse::hostOpen(Interface which, quint64* generation)
{
    QMutexLocker lock(&m_mutex);
    const bool command = which == Interface::Command;
    ++m_openCount[interfaceIndex(which)];
    const bool present = command ? m_config.command.present : m_config.notification.present;
    if (!m_plugged || !present
        || takeFault(command ? HostCall::OpenCommand : HostCall::OpenNotification))
        return false;
    ++m_openHandles[interfaceIndex(which)];
    *generation = m_generation;
    return true;
}

void EmulatedMouse::hostClose(Interface which)
{
    QMutexLocker lock(&m_mutex);
    --m_openHandles[interfaceIndex(which)];
}

int EmulatedMouse::hostSendFeature(quint64 generation, const quint8* data, size_t length,
                                   qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    if (!alive(generation) || takeFault(HostCall::SendFeature))
        return -1;
    MouseCodec::Block wire{};
    std::copy_n(data + 1, std::min<size_t>(length > 0 ? length - 1 : 0, wire.size()), wire.begin());
    const MouseCodec::Block plain =
        m_config.scrambled ? MouseCodec::unscramble(wire, m_config.secrecyCode) : wire;
    record(Frame::Kind::FeatureOut, bytesOf(data, length), nowMs, bytesOf(plain));

    checkPause(nowMs, "command block");
    if (length != size_t(FeatureReportSize)) {
        error(QStringLiteral("feature report of %1 bytes, expected %2").arg(length).arg(FeatureReportSize));
        return -1;
    }
    if (data[0] != 0) {
        error(QStringLiteral("feature report with report ID %1").arg(data[0]));
        return -1;
    }
    runCommand(plain, nowMs);
    return int(length);
}

int EmulatedMouse::hostGetFeature(quint64 generation, quint8* data, size_t length, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    if (!alive(generation) || takeFault(HostCall::GetFeature)
        || m_answerMode == AnswerMode::Silent)
        return -1;
    // Without a query before it, the reply block reads as zeros.
    const MouseCodec::Block plain = m_hasReply ? m_reply : MouseCodec::Block{};
    MouseCodec::Block wire = plain;
    if (m_answerMode == AnswerMode::Garbage) {
        for (quint8& byte : wire) {
            m_garbageSeed = m_garbageSeed * 1664525u + 1013904223u;
            byte = quint8(m_garbageSeed >> 24);
        }
    } else if (m_config.scrambled) {
        wire = MouseCodec::scramble(plain, m_config.secrecyCode);
    }
    const QByteArray report = QByteArray(1, '\0') + bytesOf(wire);
    const int count = int(std::min<size_t>(length, size_t(report.size())));
    std::copy_n(report.constData(), count, data);
    record(Frame::Kind::FeatureIn, report.left(count), nowMs, bytesOf(plain));
    return count;
}

int EmulatedMouse::hostWrite(quint64 generation, const quint8* data, size_t length, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    if (!alive(generation) || takeFault(HostCall::Write))
        return -1;
    record(Frame::Kind::DataOut, bytesOf(data, length), nowMs);
    checkPause(nowMs, "data report");
    if (m_answerMode == AnswerMode::Silent)
        return int(length);
    if (!m_pendingRule) {
        error(QStringLiteral("output report without a command that expects data"));
        requirePause(nowMs, 0);
        return int(length);
    }
    if (length != size_t(m_reportLength) + 1)
        error(QStringLiteral("output report of %1 bytes, expected %2").arg(length).arg(m_reportLength + 1));
    if (length > 0 && data[0] != 0)
        error(QStringLiteral("output report with report ID %1").arg(data[0]));

    const int chunk = std::min(m_pendingLength, m_reportLength);
    const int wanted = std::min(chunk, m_pendingLength - int(m_pendingData.size()));
    const int carried = std::max(0, std::min(wanted, int(length) - 1));
    m_pendingData += bytesOf(data + 1, size_t(carried));
    if (m_pendingData.size() < m_pendingLength) {
        requirePause(nowMs, MouseCommands::DataReportGapMs);
        return int(length);
    }
    requirePause(nowMs, MouseCommands::DataReportGapMs + m_pendingRule->pauseMs);
    Received received{m_pendingBlock, m_pendingData, {}};
    const CommandRule* rule = m_pendingRule;
    m_pendingRule = nullptr;
    m_pendingData.clear();
    (this->*rule->handler)(received);
    return int(length);
}

int EmulatedMouse::hostReadInput(quint64 generation, quint8* data, size_t length, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    if (!alive(generation))
        return -1;
    Fault fault = Fault::Error;
    if (takeFault(HostCall::Read, &fault))
        return fault == Fault::Error ? -1 : 0;
    if (m_answerMode == AnswerMode::Silent || m_input.empty())
        return 0;
    QByteArray report = m_input.front();
    m_input.pop_front();
    if (m_answerMode == AnswerMode::Garbage)
        report.fill('\x5A');
    const int count = int(std::min<size_t>(length, size_t(report.size())));
    std::copy_n(report.constData(), count, data);
    record(Frame::Kind::DataIn, report.left(count), nowMs);
    return count;
}

int EmulatedMouse::hostReadNotification(quint64 generation, quint8* data, size_t length,
                                        qint64 nowMs, int realWaitMs)
{
    QMutexLocker lock(&m_mutex);
    const QDeadlineTimer deadline = realWaitMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                   : QDeadlineTimer(realWaitMs);
    while (alive(generation) && m_notifications.empty()) {
        if (!m_notificationArrived.wait(&m_mutex, deadline))
            break;
    }
    if (!alive(generation) || takeFault(HostCall::ReadNotification))
        return -1;
    if (m_notifications.empty())
        return 0;
    const QByteArray report = m_notifications.front();
    m_notifications.pop_front();
    const int count = int(std::min<size_t>(length, size_t(report.size())));
    std::copy_n(report.constData(), count, data);
    record(Frame::Kind::Notification, report.left(count), nowMs);
    return count;
}

void EmulatedMouse::queueInput(const QByteArray& data)
{
    for (int offset = 0; offset < data.size(); offset += m_reportLength) {
        QByteArray report = data.mid(offset, m_reportLength);
        report.append(m_reportLength - report.size(), '\0');
        m_input.push_back(report);
    }
}
