#include "atomicfilecopy.h"

#include "storelog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

std::optional<QByteArray> readBounded(const QString &source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "cannot read" << source << in.errorString();
        return std::nullopt;
    }
    // Read in pieces rather than trusting size(), which is 0 for a device or
    // pipe; and not as one read of the bound, which would claim a megabyte
    // for every few hundred bytes copied.
    QByteArray content;
    char piece[16 * 1024];
    for (;;) {
        const qint64 count = in.read(piece, sizeof piece);
        if (count < 0) {
            qCWarning(lcStore) << "cannot read" << source << in.errorString();
            return std::nullopt;
        }
        if (count == 0)
            return content;
        content.append(piece, count);
        if (content.size() > kMaxCopiedFileBytes) {
            qCWarning(lcStore) << "refusing" << source << "larger than" << kMaxCopiedFileBytes << "bytes";
            return std::nullopt;
        }
    }
}

bool writeAtomically(const QString &target, const QByteArray &content)
{
    QSaveFile out(target);
    if (out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit())
        return true;
    qCWarning(lcStore) << "cannot replace" << target << out.errorString();
    return false;
}

// QSettings keeps parsed files in a process-wide cache and reads a file
// again only when its size or modification time changed. A replacement of
// the same size written within the same timestamp tick would be served from
// the cache with the old content, so the new file must look newer.
void moveModificationTimePast(const QString &target, const QDateTime &previous)
{
    if (!previous.isValid())
        return;
    const auto readTime = [&target] { return QFileInfo(target).lastModified(); };
    const auto writeTime = [&target](const QDateTime &time) {
        QFile file(target);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    if (!stepModificationTimePast(previous, readTime, writeTime))
        qCWarning(lcStore) << "cannot make" << target << "look newer than the file it replaced";
}

} // namespace

bool stepModificationTimePast(const QDateTime &previous, const std::function<QDateTime()> &readTime,
                              const std::function<bool(const QDateTime &)> &writeTime)
{
    // File systems keep times in ticks of 1 ns up to 2 s (FAT); a step below
    // the tick is rounded away, so each is tried until one shows.
    static const qint64 stepsMs[] = {1, 10, 1000, 2000, 4000};
    for (const qint64 step : stepsMs) {
        if (readTime() > previous)
            return true;
        if (!writeTime(previous.addMSecs(step)))
            return false;
    }
    return readTime() > previous;
}

bool replaceWithCopy(const QString &source, const QString &target)
{
    const std::optional<QByteArray> content = readBounded(source);
    if (!content)
        return false;
    const QFileInfo previous(target);
    const QDateTime previousTime = previous.exists() ? previous.lastModified() : QDateTime();
    if (!writeAtomically(target, *content))
        return false;
    moveModificationTimePast(target, previousTime);
    return true;
}
