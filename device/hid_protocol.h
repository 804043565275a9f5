#pragma once

#include <array>
#include <cstddef>

// Frame layout and pacing of the mouse's HID protocol, shared by the
// exchange code and the command slots.
namespace HidProtocol {

// A command block: command byte, six payload bytes, checksum. On the wire it
// follows report ID 0 in a 9-byte feature report.
constexpr std::size_t BlockSize = 8;
constexpr std::size_t ReportSize = BlockSize + 1;
constexpr std::size_t ChecksummedBytes = 7;  // the checksum covers all bytes before it

// Offsets in a feature report.
constexpr std::size_t ReportIdOffset = 0;
constexpr std::size_t CommandOffset = 1;
constexpr std::size_t ChecksumOffset = 8;
// Payload byte n (1..6) travels at report offset n + 1; the same holds for
// reply byte n in an incoming report.
constexpr std::size_t payloadOffset(int n) { return static_cast<std::size_t>(n) + 1; }

constexpr unsigned char ReportId = 0x00;

// Data phases.
constexpr int MaxDataLength = 128;
constexpr int MaxReportLength = 128;
constexpr int DefaultReportLength = 32;

// Notification report from the second interface: 06 07 xx stage.
constexpr std::size_t NotifySize = 4;
constexpr unsigned char NotifyByte0 = 0x06;
constexpr unsigned char NotifyByte1 = 0x07;
constexpr std::size_t NotifyStageOffset = 3;

// Pacing, in milliseconds.
constexpr int BusyPauseMs = 8;
constexpr int MaxBusyPauses = 255;
constexpr int SettleHalfMs = 64;  // the settle pause is taken as two sleeps
constexpr int SettleMs = 2 * SettleHalfMs;
constexpr int DataReportGapMs = 120;
constexpr int AfterCommandMs = 8;
constexpr int NotifyTimeoutMs = 500;
constexpr int InputReportTimeoutMs = 500;

using Report = std::array<unsigned char, ReportSize>;
static_assert(sizeof(Report) == 9, "feature reports are 9 bytes");

} // namespace HidProtocol
