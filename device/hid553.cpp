// Command set of the 553 family (also the handshake command 0x00).
#include "hid_thread.h"

namespace {

constexpr uchar TwoStageColorType = 2;
constexpr int TwoStageColorLength = 4;
constexpr int EightStageColorLength = 24;
constexpr int DpiTableLength = 8;
constexpr int KeyMatrixLength = 64;
constexpr int MacroLength = 128;
constexpr uchar KeyMatrixReportCount = 0x08;

} // namespace

void Hid_Thread::hid553_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    queryCommand({0x00, {byte1, byte2, byte3, byte4}}, "cmd Failed 00",
                 {&byte1, &byte2, &byte3, &byte4}, ReplyPreset::Zero);
}

void Hid_Thread::hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    readKeyboardOption553(byte1, byte2, byte3, byte4);
}

bool Hid_Thread::readKeyboardOption553(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    return queryCommand({0x83}, "cmd Failed 83", {&byte1, &byte2, &byte3, &byte4},
                        ReplyPreset::CallerValues);
}

void Hid_Thread::hid553_8BH_GetCurrentDPI(uchar& byte1)
{
    queryCommand({0x8B}, "cmd Failed 8BH", {&byte1}, ReplyPreset::CallerValues);
}

void Hid_Thread::hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    sendCommand({0x03, {byte1, byte2, byte3, byte4}}, Pacing::ShortSleep, "cmd Failed 03");
}

void Hid_Thread::hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    sendCommand({0x04, {0x00, byte1, byte2, byte3, byte4}}, Pacing::ShortSleep, "cmd Failed 04");
}

void Hid_Thread::hid553_01H_SetReportRate(uchar rate)
{
    sendCommand({0x01, {rate}}, Pacing::Settle, "cmd Failed 01");
}

void Hid_Thread::hid553_0BH_SetCurrentDPI(uchar stage)
{
    sendCommand({0x0B, {stage}}, Pacing::Settle, "cmd Failed 0B");
}

void Hid_Thread::hid553_12H_SetKeyMatrix(const uchar* src64, uchar indexAddOne)
{
    sendCommand({0x12, {indexAddOne, uchar(KeyMatrixLength), KeyMatrixReportCount}},
                Pacing::Settle, "cmd Failed 12", {src64, KeyMatrixLength, KeyMatrixLength});
}

void Hid_Thread::hid553_13H_SetMacroKey(uchar macroId, const uchar* src128)
{
    sendCommand({0x13, {macroId, uchar(MacroLength)}}, Pacing::Settle, "cmd Failed 13",
                {src128, MacroLength, MacroLength});
}

void Hid_Thread::hid553_11H_SetDPISet(uchar dpiStage, const uchar* src8)
{
    sendCommand({0x11, {dpiStage, uchar(DpiTableLength)}}, Pacing::Settle, "cmd Failed 11",
                {src8, DpiTableLength, DpiTableLength});
}

void Hid_Thread::hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix)
{
    sendCommand({0x02, {currentKeyMatrix}}, Pacing::Settle, "cmd Failed 02");
}

void Hid_Thread::hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    sendCommand({0x0D, {effect, option1, option2}}, Pacing::Settle, "cmd Failed 0D");
}

void Hid_Thread::hid553_0CH_SetFixLEDColor(const uchar* src3)
{
    const uchar none[3] = {};
    const uchar* color = src3 ? src3 : none;
    sendCommand({0x0C, {color[0], color[1], color[2]}}, Pacing::Settle, "cmd Failed 0C");
}

void Hid_Thread::hid553_10H_SetLED8StageColor(uchar type, const uchar* src24)
{
    const int length = type == TwoStageColorType ? TwoStageColorLength : EightStageColorLength;
    sendCommand({0x10, {type, uchar(length)}}, Pacing::Settle, "cmd Failed 10",
                {src24, length, length});
}
