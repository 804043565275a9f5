// Command set of the 560 family.
#include "hid_thread.h"

namespace {

constexpr int ProfileLength = 128;
constexpr int MacroLength = 128;
constexpr int KeyMatrixLength = 64;
// The key matrix travels in a 128-byte data phase, its second half zero.
constexpr int KeyMatrixPhaseLength = 128;

} // namespace

void Hid_Thread::hid560_81H_GetKeyboardoption(uchar& byte1, uchar& byte2)
{
    readKeyboardOption560(byte1, byte2);
}

bool Hid_Thread::readKeyboardOption560(uchar& byte1, uchar& byte2)
{
    return queryCommand({0x81}, "cmd Failed 81", {&byte1, &byte2}, ReplyPreset::CallerValues);
}

void Hid_Thread::hid560_82H_GetCurrentProfile(uchar& byte1)
{
    queryCommand({0x82}, "cmd Failed 82", {&byte1}, ReplyPreset::CallerValues);
}

void Hid_Thread::hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2)
{
    queryCommand({0x84, {byte1}}, "cmd Failed 84", {&byte1, &byte2}, ReplyPreset::CallerValues);
}

void Hid_Thread::hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2)
{
    sendCommand({0x01, {byte1, byte2}}, Pacing::ShortSleep, "cmd Failed 01");
}

void Hid_Thread::hid560_02H_SetCurrentProfile(uchar profile)
{
    sendCommand({0x02, {profile}}, Pacing::ShortSleep, "cmd Failed 02");
}

void Hid_Thread::hid560_03H_SetReportRate(uchar rate)
{
    sendToEveryProfile(0x03, rate, "cmd Failed 03");
}

void Hid_Thread::hid560_04H_SetCurrentDPI(uchar stage)
{
    sendToEveryProfile(0x04, stage, "cmd Failed 04");
}

void Hid_Thread::hid560_0DH_SetKeyMatrix(const uchar* src64, uchar indexAddOne)
{
    sendCommand({0x0D, {indexAddOne, uchar(KeyMatrixPhaseLength)}}, Pacing::Settle,
                "cmd Failed 0D", {src64, KeyMatrixLength, KeyMatrixPhaseLength});
}

void Hid_Thread::hid560_0CH_setProfile(const uchar* src128, uchar profileData)
{
    sendCommand({0x0C, {profileData, uchar(ProfileLength)}}, Pacing::Settle, "cmd Failed 0C",
                {src128, ProfileLength, ProfileLength});
}

void Hid_Thread::hid560_0FH_SetMacroKey(uchar macroId, const uchar* src128)
{
    sendCommand({0x0F, {macroId, uchar(MacroLength)}}, Pacing::Settle, "cmd Failed 0F",
                {src128, MacroLength, MacroLength});
}

void Hid_Thread::hid560_8CH_readProfile(uchar* src128, uchar profileNo)
{
    queryData({0x8C, {profileNo}}, "cmd Failed 8c", src128, ProfileLength);
}
