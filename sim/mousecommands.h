#pragma once

// Internal to the emulated mouse: what a received command carries and how
// each command byte is handled.
#include "emulatedmouse.h"

namespace MouseCommands {

// Pauses the host owes the mouse, in milliseconds.
constexpr int SettleMs = 128;
constexpr int ShortMs = 8;
constexpr int DataReportGapMs = 120;

constexpr quint8 Family553 = 1;
constexpr quint8 Family560 = 2;
constexpr quint8 BothFamilies = Family553 | Family560;

} // namespace MouseCommands

struct EmulatedMouse::Received
{
    MouseCodec::Block block;      // plain command block
    QByteArray data;              // the data phase, when the command has one
    std::array<quint8, 4> reply;  // reply bytes 1..4 of a query

    quint8 payload(int n) const { return block[std::size_t(n)]; }
};

struct EmulatedMouse::CommandRule
{
    quint8 command;
    quint8 families;  // MouseCommands family bits that read the byte this way
    int pauseMs;      // what the host must wait after the block (and after the data)
    bool hasData;     // a data phase follows; its length is payload byte 2
    bool isQuery;     // the host reads a reply block
    Handler handler;
};
