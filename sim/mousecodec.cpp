#include "mousecodec.h"

#include <numeric>

namespace MouseCodec {
namespace {

constexpr char Key[] = "QeVbdMok";
constexpr int Rotation = 3;
constexpr int CodeLength = 6;

// Block positions swapped before mixing (an involution).
constexpr std::array<int, BlockSize> Swapped = {5, 4, 7, 6, 1, 0, 3, 2};

quint64 toNumber(const Block& block)
{
    quint64 value = 0;
    for (quint8 byte : block)
        value = (value << 8) | byte;
    return value;
}

Block toBlock(quint64 value)
{
    Block block{};
    for (int i = BlockSize - 1; i >= 0; --i, value >>= 8)
        block[i] = quint8(value & 0xFF);
    return block;
}

Block permuted(const Block& block)
{
    Block out{};
    for (int i = 0; i < BlockSize; ++i)
        out[i] = block[Swapped[i]];
    return out;
}

// Secrecy code spread over block bytes 1..6; bytes 0 and 7 stay clear.
quint64 codeMask(const QByteArray& code)
{
    Block mask{};
    for (int i = 0; i < CodeLength && i < code.size(); ++i)
        mask[i + 1] = quint8(code.at(i));
    return toNumber(mask);
}

quint8 keyAt(int i)
{
    const auto k = quint8(Key[i]);
    return quint8((k >> 4) | (k << 4));
}

} // namespace

quint8 checksum(const Block& block)
{
    const unsigned sum = std::accumulate(block.begin(), block.begin() + BlockSize - 1, 0u);
    return quint8(~sum & 0xFF);
}

bool checksumOk(const Block& block)
{
    return block[BlockSize - 1] == checksum(block);
}

void seal(Block& block)
{
    block[BlockSize - 1] = checksum(block);
}

Block scramble(const Block& plain, const QByteArray& code)
{
    quint64 value = toNumber(permuted(plain)) ^ codeMask(code);
    value = (value << Rotation) | (value >> (64 - Rotation));
    Block out = toBlock(value);
    for (int i = 0; i < BlockSize; ++i)
        out[i] = quint8(out[i] + keyAt(i));
    return out;
}

Block unscramble(const Block& wire, const QByteArray& code)
{
    Block in = wire;
    for (int i = 0; i < BlockSize; ++i)
        in[i] = quint8(in[i] - keyAt(i));
    quint64 value = toNumber(in);
    value = (value >> Rotation) | (value << (64 - Rotation));
    return permuted(toBlock(value ^ codeMask(code)));
}

} // namespace MouseCodec
