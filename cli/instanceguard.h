#pragma once

#include <QStringList>

#include <memory>
#include <vector>

class LocalPeer;

// The window holds the mouse and keeps the settings files open, writing them
// back on its own: the tool must not work beside it. The guard uses the
// window's own single-instance channel: when a window program of this folder
// listens, the tool refuses; otherwise the tool takes the window's place on
// that channel for as long as it runs, so a window started meanwhile sees
// "another instance" and leaves, and a second tool run refuses too.
class InstanceGuard
{
public:
    // `programs`: the window executables whose instance to hold.
    explicit InstanceGuard(const QStringList& programs);
    ~InstanceGuard();

    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    std::vector<std::unique_ptr<LocalPeer>> m_peers;
    bool m_heldElsewhere = false;
};

// The window programs installed beside the tool in `folder`.
QStringList windowProgramsIn(const QString& folder);
