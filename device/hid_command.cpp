// The steps every command slot shares: take the channel, build the block,
// run one exchange, hand reply bytes back.
#include "hid_thread.h"

#include "pacingclock.h"

#include <QDebug>

#include <algorithm>

namespace {

void logFailure(const char* failureLine)
{
    qDebug("%s", failureLine);
}

} // namespace

void Hid_Thread::sendCommand(const CommandBlock& block, Pacing pacing, const char* failureLine,
                             const DataPhase& data)
{
    if (!hidWaitIdle()) {
        logFailure(failureLine);
        return;
    }
    loadBlock(block);
    const int length = std::clamp(data.length, 0, HidProtocol::MaxDataLength);
    std::fill(dataBuffer.begin(), dataBuffer.begin() + length, uchar(0));
    if (data.source)
        std::copy_n(data.source, std::clamp(data.sourceLength, 0, length), dataBuffer.begin());

    hidSend(length, pacing == Pacing::Settle);
    if (pacing == Pacing::ShortSleep)
        clock()->sleepMs(HidProtocol::AfterCommandMs);
}

bool Hid_Thread::queryCommand(const CommandBlock& block, const char* failureLine,
                              std::initializer_list<uchar*> replies, ReplyPreset preset)
{
    using HidProtocol::payloadOffset;
    if (!hidWaitIdle()) {
        logFailure(failureLine);
        return false;
    }
    loadBlock(block);
    // A failed exchange leaves the preset in place, so the caller gets back
    // either its own values or zeros.
    inReport.fill(0);
    int position = 1;
    for (uchar* reply : replies)
        inReport[payloadOffset(position++)] = preset == ReplyPreset::CallerValues ? *reply : 0;

    const bool answered = hidQuery(0);

    position = 1;
    for (uchar* reply : replies)
        *reply = inReport[payloadOffset(position++)];
    return answered;
}

void Hid_Thread::queryData(const CommandBlock& block, const char* failureLine, uchar* target,
                           int length)
{
    if (!hidWaitIdle()) {
        logFailure(failureLine);
        return;
    }
    loadBlock(block);
    length = std::clamp(length, 0, HidProtocol::MaxDataLength);
    // Where the read stops early, the caller keeps its own bytes.
    if (target)
        std::copy_n(target, length, dataBuffer.begin());
    hidQuery(length);
    if (target)
        std::copy_n(dataBuffer.begin(), length, target);
}

void Hid_Thread::sendToEveryProfile(uchar command, uchar value, const char* failureLine)
{
    constexpr uchar FirstProfile = 1;
    constexpr uchar LastProfile = 4;
    if (!hidWaitIdle()) {
        logFailure(failureLine);
        return;
    }
    for (uchar profile = FirstProfile; profile <= LastProfile; ++profile) {
        // Each exchange frees the channel at its end; keep it taken until the
        // last profile, or a command issued while events are processed
        // between passes would overwrite the block of the next pass.
        hidBusy = true;
        loadBlock({command, {profile, value}});
        hidSend(0, true);
        if (isGun())
            break;
    }
    hidBusy = false;
}
