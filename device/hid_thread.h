#pragma once

#include "deviceentry.h"
#include "hid_protocol.h"

#include <QFuture>
#include <QList>
#include <QLoggingCategory>
#include <QThread>

#include <array>
#include <atomic>
#include <functional>
#include <initializer_list>

class HidBackend;
class PacingClock;
struct HidHandle;

// Hex dump of every frame sent to and received from the mouse; enable with
// QT_LOGGING_RULES="k7.hid.frames.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcHidFrames)

// The one object that talks to the mouse. Every command slot runs on its
// caller's thread (the GUI thread) and blocks it for the exchange; the thread
// itself is never started. Only the notification read is meant for another
// thread.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject* parent = nullptr);
    ~Hid_Thread() override;

    // The window that owns this object; set by the window, never used here.
    QObject* owner = nullptr;

    void setBackend(HidBackend* backend);
    HidBackend* backend() const;
    void setClock(PacingClock* clock);
    PacingClock* clock() const;
    // Where the per-profile commands learn whether the mouse has gun support.
    void setIsGunSource(std::function<bool()> source);

    // Takes a copy of the entries; report lengths outside 1..128 become 32.
    void setDeviceList(const QList<DeviceEntry>& entries);
    const QList<DeviceEntry*>& deviceList() const { return m_deviceList; }
    // nullptr when index is out of range.
    DeviceEntry* entry(int index) const;

    int currentDevice = 1;
    bool hidBusy = false;
    std::atomic<bool> monitorRunning{false};
    QFuture<void> monitorFuture;

    void clearHidBusy() { hidBusy = false; }

    // One notification read of entry index: open its second interface, wait up
    // to 500 ms for a 4-byte report 06 07 xx stage, close. Safe on a pool
    // thread while the GUI thread runs commands: it touches only the entry's
    // path2 and notifyHandle.
    enum class NotifyRead { NoHandle, Ignored, Stage, Failed };
    NotifyRead readNotification(int index, quint8* stage);

    // The connect step and the notification monitor (hid_monitor.cpp).
    // The family source tells the connect step which command set switches
    // notification reports on (true: the 560 family).
    void setFamilySource(std::function<bool()> is560);
    void startMonitor(uint index);
    void runMonitor(uint index);
    void stopMonitor();
    // Asks the running monitor to report, with deviceStillPresent or
    // deviceRemoved, whether its next open of the notification interface
    // still finds the device.
    void requestPresenceCheck();
    std::atomic<bool> presenceCheckRequested{false};
    // Reads the keyboard options: whether the mouse answers and still has
    // its notification reports on (a mouse plugged in again has them off).
    bool notificationsSwitchedOn();

    // Bytes 1..6 hold the current device's secrecy code; 0 and 7 stay unused.
    static std::array<uchar, 8> SecrecyCode;
    static constexpr char scrambleKey[] = "QeVbdMok";

public slots:
    uchar hidCS(uchar* cmd);
    bool chkDeviceIsEnCode(int index);
    void USBDataEncryption(uchar FIFOBuf[], uchar secrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar secrecyCode[]);
    void hid553_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    void hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    void hid560_81H_GetKeyboardoption(uchar& byte1, uchar& byte2);
    void hid560_82H_GetCurrentProfile(uchar& byte1);
    void hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2);
    void hid553_8BH_GetCurrentDPI(uchar& byte1);
    void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2);
    void hid553_01H_SetReportRate(uchar rate);
    void hid560_03H_SetReportRate(uchar rate);
    void hid560_04H_SetCurrentDPI(uchar stage);
    void hid553_0BH_SetCurrentDPI(uchar stage);
    void hid553_12H_SetKeyMatrix(const uchar* src64, uchar indexAddOne);
    void hid560_0DH_SetKeyMatrix(const uchar* src64, uchar indexAddOne);
    void hid560_0CH_setProfile(const uchar* src128, uchar profileData);
    void hid560_8CH_readProfile(uchar* src128, uchar profileNo);
    void hid560_02H_SetCurrentProfile(uchar profile);
    void hid553_13H_SetMacroKey(uchar macroId, const uchar* src128);
    void hid560_0FH_SetMacroKey(uchar macroId, const uchar* src128);
    void hid553_11H_SetDPISet(uchar dpiStage, const uchar* src8);
    void hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix);
    void hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid553_0CH_SetFixLEDColor(const uchar* src3);
    void hid553_10H_SetLED8StageColor(uchar type, const uchar* src24);

signals:
    // Emitted by the monitor on its pool thread; connect with a queued connection.
    void deviceRemoved();
    void dpiStageNotified(int stage);
    void deviceStillPresent();

private:
    // Command byte and payload bytes 1..6 of a block, before the checksum.
    struct CommandBlock
    {
        uchar command = 0;
        std::array<uchar, 6> payload{};
    };
    // Bytes that follow the block in output reports: length bytes, of which
    // the first sourceLength come from source and the rest are zero.
    // Left without member initialisers so that {} can be a default argument.
    struct DataPhase
    {
        const uchar* source;
        int sourceLength;
        int length;
    };
    enum class Pacing { Settle, ShortSleep };
    enum class ReplyPreset { Zero, CallerValues };

    // Command skeleton (hid_command.cpp).
    void loadBlock(const CommandBlock& block);
    void sendCommand(const CommandBlock& block, Pacing pacing, const char* failureLine,
                     const DataPhase& data = {});
    // Whether a reply came; the reply bytes are copied out either way.
    bool queryCommand(const CommandBlock& block, const char* failureLine,
                      std::initializer_list<uchar*> replies, ReplyPreset preset);
    // The keyboard-option reads of the two families, telling whether the
    // mouse answered (hid553.cpp, hid560.cpp).
    bool readKeyboardOption553(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    bool readKeyboardOption560(uchar& byte1, uchar& byte2);
    bool is560() const { return m_is560Source && m_is560Source(); }
    void queryData(const CommandBlock& block, const char* failureLine, uchar* target, int length);
    void sendToEveryProfile(uchar command, uchar value, const char* failureLine);
    bool isGun() const;

    // Exchanges (hid_exchange.cpp).
    bool hidWaitIdle();
    HidHandle* hidOpen(int index);
    HidHandle* hidOpenNotify(int index);
    bool hidSend(int dataLength, bool settle);
    bool hidQuery(int dataLength);
    HidHandle* openInterface(int index, QString DeviceEntry::*path, HidHandle*& handle);
    void closeHandle(HidHandle*& handle);
    bool sendOutReport();
    bool fetchInReport();
    bool writeDataPhase(int dataLength, int reportLength);
    bool readDataPhase(int dataLength, int reportLength);
    bool endExchange(bool ok);
    void settlePause();
    int exchangeReportLength(const DeviceEntry& entry) const;
    static void logFrame(const char* what, const uchar* data, int length);

    HidBackend* m_backend = nullptr;
    PacingClock* m_clock = nullptr;
    std::function<bool()> m_isGunSource;
    std::function<bool()> m_is560Source;
    QList<DeviceEntry*> m_deviceList;

    HidHandle* commandHandle = nullptr;
    HidHandle* notifyHandle = nullptr;  // only touched by the notification read
    HidProtocol::Report outReport{};
    HidProtocol::Report inReport{};
    std::array<uchar, HidProtocol::MaxDataLength> dataBuffer{};
};
