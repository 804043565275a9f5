#pragma once

#include "device/hidbackend.h"
#include "emulatedmouse.h"

#include <QMutex>

#include <functional>

#include <memory>
#include <unordered_map>
#include <vector>
#include <map>

class VirtualClock;

// HidBackend that serves emulated mice instead of USB devices. Each mouse
// shows up with its command and notification interfaces (those configured
// present) while plugged in. Thread-safe.
class SimBackend final : public HidBackend
{
public:
    explicit SimBackend(VirtualClock* clock);
    ~SimBackend() override;
    SimBackend(const SimBackend&) = delete;
    SimBackend& operator=(const SimBackend&) = delete;

    EmulatedMouse* addMouse(const EmulatedMouse::Config& config);
    EmulatedMouse* mouse(int index) const;
    static QString commandPath(int index);
    static QString notificationPath(int index);
    // Makes an interface of mouse `index` look like a hidraw node: it is
    // enumerated under `file`, and opening it opens that file for reading
    // and writing first, so the file's permissions decide, as a node's do.
    void setNodePath(int index, EmulatedMouse::Interface which, const QString& file);
    int liveHandles() const;
    // Virtual mode: how long (real time) a notification read waits when
    // nothing is queued; virtual time does not move meanwhile.
    void setNotificationWaitMs(int ms);
    // Runs on the sending thread after every command block, in the middle of
    // the exchange; set it before the host starts.
    void setAfterCommandBlock(std::function<void()> hook);

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* openPath(const char* path) override;
    int setNonblocking(HidHandle* handle, int nonblock) override;
    void close(HidHandle* handle) override;
    int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) override;
    int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) override;
    int write(HidHandle* handle, const unsigned char* data, size_t length) override;
    int read(HidHandle* handle, unsigned char* data, size_t length) override;
    int readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs) override;

private:
    struct OpenInterface
    {
        EmulatedMouse* mouse = nullptr;
        EmulatedMouse::Interface which = EmulatedMouse::Interface::Command;
        quint64 generation = 0;
        bool nonblocking = false;
    };
    // false for a handle that is not open (closed, or never ours).
    bool lookUp(HidHandle* handle, OpenInterface* open) const;
    // Runs call(mouse, generation, now) for an open command interface; -1 otherwise.
    template <typename Call>
    int onCommandInterface(HidHandle* handle, Call call);

    VirtualClock* const m_clock;
    // Node files standing in for interfaces: (mouse index, interface) -> file.
    std::map<std::pair<int, EmulatedMouse::Interface>, QString> m_nodes;
    QString enumeratedPath(int index, EmulatedMouse::Interface which) const;
    mutable QMutex m_mutex;
    std::vector<std::unique_ptr<EmulatedMouse>> m_mice;
    std::unordered_map<HidHandle*, OpenInterface> m_open;
    quintptr m_nextHandle = 1;
    int m_notificationWaitMs = 20;
    std::function<void()> m_afterCommandBlock;
};
