// Scrambling of command and reply blocks with the device's secrecy code.
#include "hid_thread.h"

#include <utility>

std::array<uchar, 8> Hid_Thread::SecrecyCode{};

namespace {

constexpr int BlockBytes = int(HidProtocol::BlockSize);
// Only the six middle bytes are mixed with the secrecy code.
constexpr int FirstCodedByte = 1;
constexpr int LastCodedByte = 6;
constexpr int RotateBits = 3;

constexpr std::pair<int, int> ByteSwaps[] = {{0, 5}, {1, 4}, {2, 7}, {3, 6}};

uchar swapNibbles(uchar value)
{
    return uchar((value << 4) | (value >> 4));
}

uchar keyByte(int i)
{
    return swapNibbles(uchar(Hid_Thread::scrambleKey[i]));
}

void swapBytes(uchar* block)
{
    for (const auto& [a, b] : ByteSwaps)
        std::swap(block[a], block[b]);
}

void mixCode(uchar* block, const uchar* code)
{
    for (int i = FirstCodedByte; i <= LastCodedByte; ++i)
        block[i] ^= code[i];
}

// The block taken as one big-endian 64-bit number.
void rotateLeft(uchar* block)
{
    const uchar first = block[0];
    for (int i = 0; i < BlockBytes - 1; ++i)
        block[i] = uchar((block[i] << RotateBits) | (block[i + 1] >> (8 - RotateBits)));
    block[BlockBytes - 1] = uchar((block[BlockBytes - 1] << RotateBits) | (first >> (8 - RotateBits)));
}

void rotateRight(uchar* block)
{
    const uchar last = block[BlockBytes - 1];
    for (int i = BlockBytes - 1; i > 0; --i)
        block[i] = uchar((block[i] >> RotateBits) | (block[i - 1] << (8 - RotateBits)));
    block[0] = uchar((block[0] >> RotateBits) | (last << (8 - RotateBits)));
}

} // namespace

static_assert(sizeof(Hid_Thread::scrambleKey) == HidProtocol::BlockSize + 1,
              "one key byte per block byte");

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar secrecyCode[])
{
    swapBytes(FIFOBuf);
    mixCode(FIFOBuf, secrecyCode);
    rotateLeft(FIFOBuf);
    for (int i = 0; i < BlockBytes; ++i)
        FIFOBuf[i] = uchar(FIFOBuf[i] + keyByte(i));
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar secrecyCode[])
{
    for (int i = 0; i < BlockBytes; ++i)
        FIFOBuf[i] = uchar(FIFOBuf[i] - keyByte(i));
    rotateRight(FIFOBuf);
    mixCode(FIFOBuf, secrecyCode);
    swapBytes(FIFOBuf);
}
