#include "macroencoder.h"

#include <algorithm>

namespace {

constexpr int PauseType = 0;
constexpr int ReleaseBit = 0x80;
constexpr qint64 LongPauseUnits = 127;
constexpr qint64 MaxPauseUnits = 599999; // the longest pause the extension records carry
constexpr qint64 MaxCount = 0xFFFF;
constexpr int DefaultRepeat = 1;

struct Record
{
    int code = 0;
    bool release = false;
};

void appendCount(QVariantList& payload, qint64 count)
{
    count = std::min(count, MaxCount);
    payload << int(count >> 8) << int(count & 0xFF);
}

// Closes a record with the pause (in 10 ms units) that follows it.
void closeRecord(QVariantList& payload, const Record& record, qint64 pauseUnits)
{
    const int releaseBit = record.release ? ReleaseBit : 0;
    pauseUnits = std::min(pauseUnits, MaxPauseUnits);
    if (pauseUnits < LongPauseUnits) {
        payload << (int(std::max<qint64>(pauseUnits, 1)) | releaseBit) << record.code;
        return;
    }
    payload << releaseBit << record.code;
    if (pauseUnits < 100000) {
        payload << 0 << 1;
        appendCount(payload, pauseUnits / 2);
    } else if (pauseUnits < 300000) {
        payload << 0 << 2;
        appendCount(payload, pauseUnits / 5);
    } else {
        payload << 0 << 3;
        appendCount(payload, pauseUnits / 10);
    }
}

} // namespace

QVariantList encodeMacro(const QStringList& actions, int repeat, const KeyTable& keys)
{
    QVariantList payload;
    appendCount(payload, std::clamp<qint64>(repeat, 0, MaxCount));

    bool open = false;
    Record record;
    qint64 pauseMs = 0;
    for (const QString& action : actions) {
        const int comma = int(action.indexOf(QLatin1Char(',')));
        const int type = action.left(comma).toInt();
        const QString info = comma < 0 ? QString() : action.mid(comma + 1);
        if (type == PauseType) {
            pauseMs += std::max<qint64>(info.toLongLong(), 0);
            continue;
        }
        if (type < 1 || type > 4)
            continue;
        if (open)
            closeRecord(payload, record, pauseMs / 10);
        record = Record{keys.codeOf(info), type == 2 || type == 4};
        open = true;
        pauseMs = 0;
    }
    if (open)
        closeRecord(payload, record, 1);
    payload << 0 << 0;
    if (!open)
        payload = payload.mid(0, 2);
    return payload;
}

StoredMacro splitStoredMacro(const QStringList& loaded)
{
    StoredMacro macro;
    if (loaded.isEmpty())
        return macro;
    macro.actions = loaded.mid(0, loaded.size() - 1);
    bool ok = false;
    const int repeat = loaded.last().toInt(&ok);
    macro.repeat = ok ? std::clamp<int>(repeat, 0, int(MaxCount)) : DefaultRepeat;
    return macro;
}
