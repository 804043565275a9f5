#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The mouse's view of a command block: checksum and scrambling, written
// independently of the host's code so that each side checks the other.
namespace MouseCodec {

constexpr int BlockSize = 8;
using Block = std::array<quint8, BlockSize>;
static_assert(sizeof(Block) == 8, "command blocks are 8 bytes");

// Complement of the byte sum of the first seven bytes.
quint8 checksum(const Block& block);
bool checksumOk(const Block& block);
void seal(Block& block);  // writes the checksum into the last byte

// code holds the device's six secrecy-code characters.
Block scramble(const Block& plain, const QByteArray& code);
Block unscramble(const Block& wire, const QByteArray& code);

} // namespace MouseCodec
