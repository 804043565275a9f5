// Command blocks: layout and checksum.
#include "hid_thread.h"

#include <algorithm>

uchar Hid_Thread::hidCS(uchar* cmd)
{
    uchar sum = 0;
    for (std::size_t i = 0; i < HidProtocol::ChecksummedBytes; ++i)
        sum = uchar(sum + cmd[i]);
    return uchar(~sum);
}

void Hid_Thread::loadBlock(const CommandBlock& block)
{
    using namespace HidProtocol;
    outReport.fill(0);
    outReport[ReportIdOffset] = ReportId;
    outReport[CommandOffset] = block.command;
    std::copy(block.payload.begin(), block.payload.end(), outReport.begin() + payloadOffset(1));
    outReport[ChecksumOffset] = hidCS(outReport.data() + CommandOffset);
}
