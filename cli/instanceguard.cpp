#include "instanceguard.h"

#include "app/localpeer.h"

#include <QDir>

InstanceGuard::InstanceGuard(const QStringList& programs)
{
    for (const QString& program : programs) {
        auto peer = std::make_unique<LocalPeer>(LocalPeer::identityFor(program));
        if (peer->isClient())
            m_heldElsewhere = true;
        m_peers.push_back(std::move(peer));
    }
}

InstanceGuard::~InstanceGuard() = default;

QStringList windowProgramsIn(const QString& folder)
{
#ifdef Q_OS_WIN
    const QString suffix = QStringLiteral(".exe");
#else
    const QString suffix;
#endif
    const QDir dir(folder);
    return {dir.filePath(QStringLiteral("k7config") + suffix), dir.filePath(QStringLiteral("k7config-demo") + suffix)};
}
