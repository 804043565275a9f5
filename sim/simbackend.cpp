#include "simbackend.h"

#include "virtualclock.h"

#include <QDebug>
#include <QFile>
#include <QMutexLocker>
#include <QRegularExpression>

namespace {

using Interface = EmulatedMouse::Interface;

const QString CommandSuffix = QStringLiteral("command");
const QString NotificationSuffix = QStringLiteral("notify");

QString pathOf(int index, Interface which)
{
    return QStringLiteral("sim:%1:%2")
        .arg(index)
        .arg(which == Interface::Command ? CommandSuffix : NotificationSuffix);
}

HidHandle* toHandle(quintptr token)
{
    return reinterpret_cast<HidHandle*>(token);
}

} // namespace

SimBackend::SimBackend(VirtualClock* clock)
    : m_clock(clock)
{
}

SimBackend::~SimBackend()
{
    if (!m_open.empty())
        qWarning() << "SimBackend destroyed with" << m_open.size() << "HID handles still open";
}

EmulatedMouse* SimBackend::addMouse(const EmulatedMouse::Config& config)
{
    QMutexLocker lock(&m_mutex);
    m_mice.push_back(std::make_unique<EmulatedMouse>(config));
    return m_mice.back().get();
}

EmulatedMouse* SimBackend::mouse(int index) const
{
    QMutexLocker lock(&m_mutex);
    return index >= 0 && std::size_t(index) < m_mice.size() ? m_mice[std::size_t(index)].get()
                                                             : nullptr;
}

QString SimBackend::commandPath(int index)
{
    return pathOf(index, Interface::Command);
}

QString SimBackend::notificationPath(int index)
{
    return pathOf(index, Interface::Notification);
}

int SimBackend::liveHandles() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_open.size());
}

void SimBackend::setNotificationWaitMs(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_notificationWaitMs = std::max(ms, 0);
}

QList<HidDeviceInfo> SimBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QMutexLocker lock(&m_mutex);
    QList<HidDeviceInfo> result;
    for (std::size_t i = 0; i < m_mice.size(); ++i) {
        const EmulatedMouse& mouse = *m_mice[i];
        const EmulatedMouse::Config config = mouse.config();
        if (!mouse.isPlugged() || (vendorId && vendorId != config.vendorId)
            || (productId && productId != config.productId))
            continue;
        const std::pair<Interface, EmulatedMouse::UsagePair> interfaces[] = {
            {Interface::Command, config.command}, {Interface::Notification, config.notification}};
        int number = 0;
        for (const auto& [which, usage] : interfaces) {
            if (usage.present)
                result.append({enumeratedPath(int(i), which), config.vendorId, config.productId,
                               usage.usagePage, usage.usage, number});
            ++number;
        }
    }
    return result;
}

void SimBackend::setNodePath(int index, Interface which, const QString& file)
{
    QMutexLocker lock(&m_mutex);
    m_nodes[{index, which}] = file;
}

QString SimBackend::enumeratedPath(int index, Interface which) const
{
    const auto node = m_nodes.find({index, which});
    return node != m_nodes.end() ? node->second : pathOf(index, which);
}

HidHandle* SimBackend::openPath(const char* path)
{
    static const QRegularExpression pattern(QStringLiteral("^sim:(\\d+):(command|notify)$"));
    QString opened = QString::fromLatin1(path ? path : "");
    {
        QMutexLocker lock(&m_mutex);
        for (const auto& [interface, file] : m_nodes) {
            if (file != opened)
                continue;
            QFile node(file);
            if (!node.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
                return nullptr;
            opened = pathOf(interface.first, interface.second);
            break;
        }
    }
    const QRegularExpressionMatch match = pattern.match(opened);
    if (!match.hasMatch())
        return nullptr;
    EmulatedMouse* target = mouse(match.captured(1).toInt());
    if (!target)
        return nullptr;
    OpenInterface open;
    open.mouse = target;
    open.which = match.captured(2) == CommandSuffix ? Interface::Command : Interface::Notification;
    if (!target->hostOpen(open.which, &open.generation))
        return nullptr;
    QMutexLocker lock(&m_mutex);
    HidHandle* handle = toHandle(m_nextHandle++);
    m_open.emplace(handle, open);
    return handle;
}

bool SimBackend::lookUp(HidHandle* handle, OpenInterface* open) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_open.find(handle);
    if (it == m_open.end())
        return false;
    *open = it->second;
    return true;
}

int SimBackend::setNonblocking(HidHandle* handle, int nonblock)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_open.find(handle);
    if (it == m_open.end())
        return -1;
    it->second.nonblocking = nonblock != 0;
    return 0;
}

void SimBackend::close(HidHandle* handle)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_open.find(handle);
    if (it == m_open.end()) {
        qWarning() << "SimBackend: close of a handle that is not open";
        return;
    }
    const OpenInterface open = it->second;
    m_open.erase(it);
    lock.unlock();
    open.mouse->hostClose(open.which);
}

template <typename Call>
int SimBackend::onCommandInterface(HidHandle* handle, Call call)
{
    OpenInterface open;
    if (!lookUp(handle, &open) || open.which != Interface::Command)
        return -1;
    return call(*open.mouse, open.generation, m_clock->nowMs());
}

int SimBackend::sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length)
{
    const int result = onCommandInterface(handle, [&](EmulatedMouse& mouse, quint64 generation, qint64 now) {
        return mouse.hostSendFeature(generation, data, length, now);
    });
    if (m_afterCommandBlock)
        m_afterCommandBlock();
    return result;
}

void SimBackend::setAfterCommandBlock(std::function<void()> hook)
{
    m_afterCommandBlock = std::move(hook);
}

int SimBackend::getFeatureReport(HidHandle* handle, unsigned char* data, size_t length)
{
    return onCommandInterface(handle, [&](EmulatedMouse& mouse, quint64 generation, qint64 now) {
        return mouse.hostGetFeature(generation, data, length, now);
    });
}

int SimBackend::write(HidHandle* handle, const unsigned char* data, size_t length)
{
    return onCommandInterface(handle, [&](EmulatedMouse& mouse, quint64 generation, qint64 now) {
        return mouse.hostWrite(generation, data, length, now);
    });
}

int SimBackend::read(HidHandle* handle, unsigned char* data, size_t length)
{
    OpenInterface open;
    if (!lookUp(handle, &open))
        return -1;
    return readTimeout(handle, data, length, open.nonblocking ? 0 : -1);
}

int SimBackend::readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs)
{
    OpenInterface open;
    if (!lookUp(handle, &open))
        return -1;
    const bool realTime = m_clock->mode() == VirtualClock::Mode::RealTime;

    if (open.which == Interface::Notification) {
        int waitMs = timeoutMs;
        if (!realTime && timeoutMs != 0) {
            QMutexLocker lock(&m_mutex);
            waitMs = m_notificationWaitMs;
        }
        return open.mouse->hostReadNotification(open.generation, data, length, m_clock->nowMs(),
                                                waitMs);
    }

    const int received = open.mouse->hostReadInput(open.generation, data, length, m_clock->nowMs());
    if (received != 0 || timeoutMs == 0)
        return received;
    if (timeoutMs < 0) {
        // A real blocking read would never return; report it instead of hanging.
        qWarning() << "SimBackend: blocking read on the command interface with no report coming";
        return -1;
    }
    m_clock->sleepMs(timeoutMs);
    return 0;
}
