// The secrecy-code handshake that tells whether a listed device answers.
#include "hid_thread.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    constexpr int CodeLength = 6;
    currentDevice = index;

    QRandomGenerator random{quint32(QDateTime::currentSecsSinceEpoch())};
    std::array<uchar, 4> challenge{};
    for (uchar& value : challenge)
        value = uchar(random.generate() & 0xFF);

    // A code of another length leaves the previous one in force.
    if (const DeviceEntry* device = entry(index); device && device->sCode.size() == CodeLength) {
        const QByteArray code = device->sCode.toLatin1();
        std::copy_n(code.constData(), CodeLength, SecrecyCode.begin() + 1);
    }

    std::array<uchar, 4> answer = challenge;
    hid553_00H_GetSecrecyCode(answer[0], answer[1], answer[2], answer[3]);
    return answer == challenge;
}
