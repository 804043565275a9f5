// How each command changes the emulated mouse's state or what it answers.
#include "emulatedmouse.h"

#include "mousecommands.h"

#include <algorithm>

namespace {

constexpr int GunMarkerByte = 1;  // always 0x00 in the gun-data command
constexpr quint8 TwoStageColorType = 2;
constexpr int TwoStageColorLength = 4;
constexpr quint8 KeyMatrixReportCount = 0x08;

template <std::size_t N>
void copyData(std::array<quint8, N>& target, const QByteArray& data)
{
    std::copy_n(data.constData(), std::min<std::size_t>(N, std::size_t(data.size())), target.begin());
}

} // namespace

bool EmulatedMouse::checkIndex(int value, int low, int high, const char* what)
{
    if (value >= low && value <= high)
        return true;
    error(QStringLiteral("%1 %2 is outside %3..%4").arg(QLatin1String(what)).arg(value).arg(low).arg(high));
    return false;
}

quint8& EmulatedMouse::currentProfileSlot(std::array<quint8, MouseState::ProfileCount>& perProfile)
{
    return perProfile[std::min<std::size_t>(m_state.currentProfile, perProfile.size() - 1)];
}

void EmulatedMouse::echoChallenge(Received& r)
{
    for (int i = 0; i < 4; ++i)
        r.reply[std::size_t(i)] = r.payload(i + 1);
}

void EmulatedMouse::setReportRate(Received& r)
{
    currentProfileSlot(m_state.reportRate) = r.payload(1);
}

void EmulatedMouse::setForProfile(std::array<quint8, MouseState::ProfileCount>& perProfile, const Received& r)
{
    if (checkIndex(r.payload(1), 0, MouseState::ProfileCount - 1, "profile"))
        perProfile[r.payload(1)] = r.payload(2);
}

void EmulatedMouse::setProfileReportRate(Received& r)
{
    setForProfile(m_state.reportRate, r);
}

void EmulatedMouse::setCurrentKeyMatrix(Received& r)
{
    // Counted from 0: the host selects matrix n with n - 1.
    if (checkIndex(r.payload(1), 0, MouseState::KeyMatrixCount - 1, "key matrix"))
        m_state.currentKeyMatrix = r.payload(1);
}

void EmulatedMouse::setCurrentProfile(Received& r)
{
    if (checkIndex(r.payload(1), 0, MouseState::ProfileCount - 1, "profile"))
        m_state.currentProfile = r.payload(1);
}

void EmulatedMouse::setKeyboardOption4(Received& r)
{
    for (int i = 0; i < 4; ++i)
        m_state.keyboardOption[std::size_t(i)] = r.payload(i + 1);
}

void EmulatedMouse::setKeyboardOption2(Received& r)
{
    m_state.keyboardOption[0] = r.payload(1);
    m_state.keyboardOption[1] = r.payload(2);
}

void EmulatedMouse::setGunData(Received& r)
{
    if (r.payload(GunMarkerByte) != 0)
        error(QStringLiteral("gun data with payload byte 1 = %1").arg(r.payload(GunMarkerByte)));
    const int slot = r.payload(5);
    if (checkIndex(slot, 0, MouseState::GunSlots - 1, "gun slot"))
        m_state.gun[std::size_t(slot)] = {r.payload(2), r.payload(3), r.payload(4)};
}

void EmulatedMouse::setCurrentDpi(Received& r)
{
    currentProfileSlot(m_state.currentDpi) = r.payload(1);
}

void EmulatedMouse::setProfileDpi(Received& r)
{
    setForProfile(m_state.currentDpi, r);
}

void EmulatedMouse::setFixedColor(Received& r)
{
    m_state.lighting.fixedColor = {r.payload(1), r.payload(2), r.payload(3)};
}

void EmulatedMouse::setLightingEffect(Received& r)
{
    m_state.lighting.effect = r.payload(1);
    m_state.lighting.option1 = r.payload(2);
    m_state.lighting.option2 = r.payload(3);
}

void EmulatedMouse::setStageColors(Received& r)
{
    const quint8 type = r.payload(1);
    const int expected = type == TwoStageColorType ? TwoStageColorLength : MouseState::StageColorBytes;
    if (r.data.size() != expected) {
        error(QStringLiteral("stage colours of type %1 with %2 bytes").arg(type).arg(r.data.size()));
        return;
    }
    m_state.lighting.stageColorType = type;
    copyData(m_state.lighting.stageColors, r.data);
}

void EmulatedMouse::setDpiTable(Received& r)
{
    if (r.data.size() != MouseState::DpiStages) {
        error(QStringLiteral("DPI table of %1 bytes").arg(r.data.size()));
        return;
    }
    m_state.dpiStageCount = r.payload(1);
    copyData(m_state.dpiTable, r.data);
}

void EmulatedMouse::setKeyMatrix64(Received& r)
{
    if (r.payload(3) != KeyMatrixReportCount || r.data.size() != MouseState::KeyMatrixSize) {
        error(QStringLiteral("key matrix block with %1 bytes, payload 3 = %2")
                  .arg(r.data.size())
                  .arg(r.payload(3)));
        return;
    }
    if (checkIndex(r.payload(1), 1, MouseState::KeyMatrixCount, "key matrix"))
        copyData(m_state.keyMatrix[r.payload(1) - 1u], r.data);
}

void EmulatedMouse::setKeyMatrix128(Received& r)
{
    const QByteArray tail = r.data.mid(MouseState::KeyMatrixSize);
    if (r.data.size() != 2 * MouseState::KeyMatrixSize || tail.count('\0') != tail.size()) {
        error(QStringLiteral("key matrix of %1 bytes or with a nonzero second half").arg(r.data.size()));
        return;
    }
    if (checkIndex(r.payload(1), 1, MouseState::KeyMatrixCount, "key matrix"))
        copyData(m_state.keyMatrix[r.payload(1) - 1u], r.data);
}

void EmulatedMouse::setMacro(Received& r)
{
    if (r.data.size() != MouseState::MacroSize) {
        error(QStringLiteral("macro of %1 bytes").arg(r.data.size()));
        return;
    }
    if (checkIndex(r.payload(1), 1, MouseState::MacroCount, "macro"))
        copyData(m_state.macros[r.payload(1) - 1u], r.data);
}

void EmulatedMouse::setProfile(Received& r)
{
    if (r.data.size() != MouseState::ProfileSize) {
        error(QStringLiteral("profile of %1 bytes").arg(r.data.size()));
        return;
    }
    if (checkIndex(r.payload(1), 0, MouseState::ProfileCount - 1, "profile"))
        copyData(m_state.profiles[r.payload(1)], r.data);
}

void EmulatedMouse::getKeyboardOption4(Received& r)
{
    r.reply = m_state.keyboardOption;
}

void EmulatedMouse::getKeyboardOption2(Received& r)
{
    r.reply = {m_state.keyboardOption[0], m_state.keyboardOption[1], 0, 0};
}

void EmulatedMouse::getCurrentProfile(Received& r)
{
    r.reply[0] = m_state.currentProfile;
}

void EmulatedMouse::getCurrentDpi(Received& r)
{
    r.reply[0] = currentProfileSlot(m_state.currentDpi);
}

void EmulatedMouse::getProfileDpi(Received& r)
{
    const quint8 profile = r.payload(1);
    r.reply[0] = profile;
    if (checkIndex(profile, 0, MouseState::ProfileCount - 1, "profile"))
        r.reply[1] = m_state.currentDpi[profile];
}

void EmulatedMouse::readProfile(Received& r)
{
    if (!checkIndex(r.payload(1), 0, MouseState::ProfileCount - 1, "profile"))
        return;
    const auto& profile = m_state.profiles[r.payload(1)];
    queueInput(QByteArray(reinterpret_cast<const char*>(profile.data()), qsizetype(profile.size())));
}
