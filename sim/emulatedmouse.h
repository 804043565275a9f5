#pragma once

#include "mousecodec.h"
#include "mousestate.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QWaitCondition>

#include <array>
#include <deque>

// The device side of the mouse protocol: takes command blocks and data
// reports, checks their framing and pacing, applies them to a MouseState and
// answers. Times are passed in by the transport (virtual or real
// milliseconds). Every public function is thread-safe.
class EmulatedMouse
{
public:
    enum class Family { F553, F560 };
    enum class Interface { Command, Notification };
    enum class AnswerMode { Normal, Garbage, Silent };
    // Host calls that a test can make fail once.
    enum class HostCall { OpenCommand, OpenNotification, SendFeature, GetFeature, Write, Read, ReadNotification, Count };
    // Error: the call returns -1. NoAnswer: an input read of the command
    // interface sees nothing arrive (other calls fail as with Error).
    enum class Fault { Error, NoAnswer };

    struct UsagePair
    {
        quint16 usagePage = 0;
        quint16 usage = 0;
        bool present = true;
    };
    struct Config
    {
        Family family = Family::F553;
        quint16 vendorId = 0x04D9;
        quint16 productId = 0xA1EE;
        UsagePair command{0xFF00, 0xFF00, true};
        UsagePair notification{0xFF01, 0xFF01, true};
        QByteArray secrecyCode = "5A0C3E";
        bool scrambled = false;
        int reportLength = 32;
    };

    struct Frame
    {
        enum class Kind { FeatureOut, FeatureIn, DataOut, DataIn, Notification };
        Kind kind = Kind::FeatureOut;
        QByteArray bytes;  // as on the wire, report ID first where there is one
        QByteArray block;  // feature frames: the plain 8-byte block
        qint64 timeMs = 0;
        bool fromHost() const { return kind == Kind::FeatureOut || kind == Kind::DataOut; }
    };

    explicit EmulatedMouse(const Config& config);

    Config config() const;

    // Test controls.
    MouseState state() const;
    void setState(const MouseState& state);
    void setAnswerMode(AnswerMode mode);
    void failNext(HostCall call, int skip = 0, Fault fault = Fault::Error);
    void unplug();
    void replug();
    bool isPlugged() const;
    // The mouse's own DPI button: switches the stage and reports it on the
    // notification interface.
    void pressDpiButton(quint8 stage);
    // Any raw report on the notification interface (for malformed ones).
    void queueNotification(const QByteArray& report);
    // Whether the host has switched notification reports on.
    bool notificationsEnabled() const;

    QList<Frame> frames() const;
    // Plain blocks the host sent, in order.
    QList<QByteArray> sentBlocks() const;
    QList<Frame> dataReports() const;
    QStringList protocolErrors() const;
    void clearRecords();
    int openCount(Interface which) const;
    int openHandles(Interface which) const;

    // Host side, called by the transport. generation identifies the plug-in
    // session a handle was opened in; -1 means failure, as with hidapi.
    bool hostOpen(Interface which, quint64* generation);
    void hostClose(Interface which);
    int hostSendFeature(quint64 generation, const quint8* data, size_t length, qint64 nowMs);
    int hostGetFeature(quint64 generation, quint8* data, size_t length, qint64 nowMs);
    int hostWrite(quint64 generation, const quint8* data, size_t length, qint64 nowMs);
    // 0 when no input report is queued (the transport decides how long that
    // took).
    int hostReadInput(quint64 generation, quint8* data, size_t length, qint64 nowMs);
    // Waits up to realWaitMs of real time (-1: until one comes or the mouse
    // is unplugged) for a notification.
    int hostReadNotification(quint64 generation, quint8* data, size_t length, qint64 nowMs,
                             int realWaitMs);

private:
    struct Received;
    using Handler = void (EmulatedMouse::*)(Received&);
    struct CommandRule;
    static const CommandRule* findRule(quint8 command, Family family);

    // Called with m_mutex held.
    bool alive(quint64 generation) const;
    bool takeFault(HostCall call, Fault* fault = nullptr);
    void record(Frame::Kind kind, const QByteArray& bytes, qint64 nowMs,
                const QByteArray& block = {});
    void error(const QString& text);
    void checkPause(qint64 nowMs, const char* what);
    void requirePause(qint64 nowMs, int gapMs);
    void runCommand(const MouseCodec::Block& block, qint64 nowMs);
    void finishCommand(Received& received);
    void queueInput(const QByteArray& data);
    bool checkIndex(int value, int low, int high, const char* what);
    quint8& currentProfileSlot(std::array<quint8, MouseState::ProfileCount>& perProfile);
    // Payload 1 names the profile, payload 2 is its value.
    void setForProfile(std::array<quint8, MouseState::ProfileCount>& perProfile, const Received& r);

    // Command handlers (emulatedmouse_commands.cpp).
    void echoChallenge(Received& r);
    void setReportRate(Received& r);
    void setProfileReportRate(Received& r);
    void setCurrentKeyMatrix(Received& r);
    void setCurrentProfile(Received& r);
    void setKeyboardOption4(Received& r);
    void setKeyboardOption2(Received& r);
    void setGunData(Received& r);
    void setCurrentDpi(Received& r);
    void setProfileDpi(Received& r);
    void setFixedColor(Received& r);
    void setLightingEffect(Received& r);
    void setStageColors(Received& r);
    void setDpiTable(Received& r);
    void setKeyMatrix64(Received& r);
    void setKeyMatrix128(Received& r);
    void setMacro(Received& r);
    void setProfile(Received& r);
    void getKeyboardOption4(Received& r);
    void getKeyboardOption2(Received& r);
    void getCurrentProfile(Received& r);
    void getCurrentDpi(Received& r);
    void getProfileDpi(Received& r);
    void readProfile(Received& r);

    mutable QMutex m_mutex;
    QWaitCondition m_notificationArrived;
    const Config m_config;
    int m_reportLength;
    MouseState m_state;
    AnswerMode m_answerMode = AnswerMode::Normal;
    bool m_plugged = true;
    quint64 m_generation = 1;

    struct PendingFault
    {
        int skip = -1;  // -1: none armed
        Fault fault = Fault::Error;
    };
    std::array<PendingFault, int(HostCall::Count)> m_faults{};

    // The command whose data phase is still arriving.
    const CommandRule* m_pendingRule = nullptr;
    MouseCodec::Block m_pendingBlock{};
    int m_pendingLength = 0;
    QByteArray m_pendingData;

    MouseCodec::Block m_reply{};
    bool m_hasReply = false;
    std::deque<QByteArray> m_input;
    std::deque<QByteArray> m_notifications;

    qint64 m_earliestNextMs = 0;
    int m_requiredGapMs = 0;
    QList<Frame> m_frames;
    QStringList m_errors;
    std::array<int, 2> m_openCount{};
    std::array<int, 2> m_openHandles{};
    quint32 m_garbageSeed = 0x2545F491u;
};
