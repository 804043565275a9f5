// What the emulated mouse does with each command byte.
#include "emulatedmouse.h"

#include "mousecommands.h"

#include <algorithm>

using namespace MouseCommands;

namespace {

constexpr quint8 PayloadLengthByte = 2;  // data commands repeat their length here
constexpr int MaxDataLength = 128;

} // namespace

const EmulatedMouse::CommandRule* EmulatedMouse::findRule(quint8 command, Family family)
{
    using M = EmulatedMouse;
    constexpr int Settle = SettleMs;
    constexpr int Short = ShortMs;
    constexpr int None = 0;
    // Each family understands its own command bytes (0x01..0x04, 0x0C and
    // 0x0D mean different things in the two), plus the few the host sends to
    // both: the handshake, the four keyboard-option bytes, and the profile
    // reads. Anything else is a protocol error, so a family mix-up in the
    // host shows.
    static const CommandRule rules[] = {
        {0x00, BothFamilies, None, false, true, &M::echoChallenge},
        {0x01, Family553, Settle, false, false, &M::setReportRate},
        {0x01, Family560, Short, false, false, &M::setKeyboardOption2},
        {0x02, Family553, Settle, false, false, &M::setCurrentKeyMatrix},
        {0x02, Family560, Short, false, false, &M::setCurrentProfile},
        {0x03, Family553, Short, false, false, &M::setKeyboardOption4},
        {0x03, Family560, Settle, false, false, &M::setProfileReportRate},
        {0x04, Family553, Short, false, false, &M::setGunData},
        {0x04, Family560, Settle, false, false, &M::setProfileDpi},
        {0x0B, Family553, Settle, false, false, &M::setCurrentDpi},
        {0x0C, Family553, Settle, false, false, &M::setFixedColor},
        {0x0C, Family560, Settle, true, false, &M::setProfile},
        {0x0D, Family553, Settle, false, false, &M::setLightingEffect},
        {0x0D, Family560, Settle, true, false, &M::setKeyMatrix128},
        {0x0F, Family560, Settle, true, false, &M::setMacro},
        {0x10, Family553, Settle, true, false, &M::setStageColors},
        {0x11, Family553, Settle, true, false, &M::setDpiTable},
        {0x12, Family553, Settle, true, false, &M::setKeyMatrix64},
        {0x13, Family553, Settle, true, false, &M::setMacro},
        {0x81, Family560, None, false, true, &M::getKeyboardOption2},
        {0x82, BothFamilies, None, false, true, &M::getCurrentProfile},
        {0x83, BothFamilies, None, false, true, &M::getKeyboardOption4},
        {0x84, Family560, None, false, true, &M::getProfileDpi},
        {0x8B, Family553, None, false, true, &M::getCurrentDpi},
        {0x8C, BothFamilies, None, false, true, &M::readProfile},
    };
    const quint8 bit = family == Family::F553 ? Family553 : Family560;
    const auto it = std::find_if(std::begin(rules), std::end(rules), [&](const CommandRule& rule) {
        return rule.command == command && (rule.families & bit);
    });
    return it == std::end(rules) ? nullptr : it;
}

void EmulatedMouse::runCommand(const MouseCodec::Block& block, qint64 nowMs)
{
    if (m_pendingRule) {
        error(QStringLiteral("command 0x%1 arrived before the data phase of 0x%2 was complete")
                  .arg(block[0], 2, 16, QLatin1Char('0'))
                  .arg(m_pendingBlock[0], 2, 16, QLatin1Char('0')));
        m_pendingRule = nullptr;
        m_pendingData.clear();
    }
    m_input.clear();
    m_hasReply = false;
    requirePause(nowMs, 0);
    if (m_answerMode == AnswerMode::Silent)
        return;
    if (!MouseCodec::checksumOk(block)) {
        error(QStringLiteral("bad checksum 0x%1 on command 0x%2 (expected 0x%3)")
                  .arg(block[7], 2, 16, QLatin1Char('0'))
                  .arg(block[0], 2, 16, QLatin1Char('0'))
                  .arg(MouseCodec::checksum(block), 2, 16, QLatin1Char('0')));
        return;
    }
    const CommandRule* rule = findRule(block[0], m_config.family);
    if (!rule) {
        error(QStringLiteral("command 0x%1 is not one the %2 family takes")
                  .arg(block[0], 2, 16, QLatin1Char('0'))
                  .arg(m_config.family == Family::F553 ? QStringLiteral("553") : QStringLiteral("560")));
        return;
    }
    requirePause(nowMs, rule->pauseMs);
    if (rule->hasData) {
        const int length = block[PayloadLengthByte];
        if (length < 1 || length > MaxDataLength) {
            error(QStringLiteral("command 0x%1 announces %2 data bytes")
                      .arg(block[0], 2, 16, QLatin1Char('0'))
                      .arg(length));
            return;
        }
        m_pendingRule = rule;
        m_pendingBlock = block;
        m_pendingLength = length;
        m_pendingData.clear();
        return;
    }
    Received received{block, {}, {}};
    (this->*rule->handler)(received);
    if (rule->isQuery) {
        m_reply = {block[0], received.reply[0], received.reply[1], received.reply[2],
                   received.reply[3], 0, 0, 0};
        MouseCodec::seal(m_reply);
        m_hasReply = true;
    }
}

