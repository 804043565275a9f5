// A listed mouse whose hidraw nodes this user may not open: the pass finds
// it but cannot talk to it, and the program names the nodes, the udev rule
// and the commands, in a dialog and in the log. The nodes are files the test
// makes unreadable; run as root, the test gives up its rights for the pass.
#include "app/permissioncheck.h"
#include "detectionrig.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

using Interface = EmulatedMouse::Interface;

// Root opens any file: the pass then runs as an ordinary user.
class OrdinaryUser
{
public:
    OrdinaryUser() : m_wasRoot(geteuid() == 0) { m_ok = !m_wasRoot || seteuid(65534) == 0; }
    ~OrdinaryUser()
    {
        if (m_wasRoot && m_ok)
            (void)seteuid(0);
    }
    bool ok() const { return m_ok; }

private:
    bool m_wasRoot;
    bool m_ok = true;
};

} // namespace

class TestPermission : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dev;
    QString m_commandNode;
    QString m_notifyNode;

    void makeNodes(QFile::Permissions permissions)
    {
        for (const QString& node : {m_commandNode, m_notifyNode}) {
            writeBytes(node, QByteArray());
            QVERIFY(QFile::setPermissions(node, permissions));
        }
    }

    EmulatedMouse* addNodeMouse(ModulesSandbox& sandbox, DetectionRig& rig)
    {
        // The ordinary user reads the device list too.
        QFile::setPermissions(sandbox.path(), QFile::Permissions(0x7755));
        EmulatedMouse* mouse = rig.addMouse();
        rig.backend.setNodePath(0, Interface::Command, m_commandNode);
        rig.backend.setNodePath(0, Interface::Notification, m_notifyNode);
        rig.configure({ListedDevice{}});
        return mouse;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dev.isValid());
        // The folder itself open to all, as /dev is.
        QFile::setPermissions(m_dev.path(), QFile::Permissions(0x7755));
        m_commandNode = m_dev.path() + QStringLiteral("/hidraw3");
        m_notifyNode = m_dev.path() + QStringLiteral("/hidraw4");
    }

    void unreadableNodeIsNamedWithTheRule()
    {
        ModulesSandbox sandbox;
        DetectionRig rig;
        addNodeMouse(sandbox, rig);
        makeNodes(QFile::ReadOwner | QFile::WriteOwner);  // root's, as without the rule
        auto* check = new PermissionCheck(rig.window(), QStringLiteral("/opt/k7/bin"));

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral(
                                 "^no permission to open .*/hidraw3, .*/hidraw4; udev rule .*70-k7config.rules needed, "
                                 "run: .*sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=hidraw$")));
        {
            OrdinaryUser user;
            QVERIFY(user.ok());
            rig.window().checkDevice();
        }
        QVERIFY(!deviceConnected);
        QMessageBox* box = check->dialog();
        QVERIFY(box);
        QVERIFY(box->isVisible());
        const QString text = box->text();
        QVERIFY2(text.contains(m_commandNode) && text.contains(m_notifyNode), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("sudo udevadm control --reload\nsudo udevadm trigger --subsystem-match=hidraw")),
                 qPrintable(text));
        if (installedUdevRule().isEmpty())
            QVERIFY2(text.contains(QStringLiteral("sudo install -m 644 /opt/k7/lib/udev/rules.d/70-k7config.rules "
                                                  "/etc/udev/rules.d/70-k7config.rules")),
                     qPrintable(text));

        // The same nodes again: told once per run, no second dialog or line.
        box->close();
        {
            OrdinaryUser user;
            rig.window().checkDevice();
        }
        QTRY_VERIFY(!check->dialog());
    }

    void openableNodeConnectsSilently()
    {
        ModulesSandbox sandbox;
        DetectionRig rig;
        EmulatedMouse* mouse = addNodeMouse(sandbox, rig);
        makeNodes(QFile::Permissions(0x6666));
        auto* check = new PermissionCheck(rig.window(), QStringLiteral("/opt/k7/bin"));
        {
            OrdinaryUser user;
            QVERIFY(user.ok());
            rig.window().checkDevice();
        }
        QVERIFY(deviceConnected);
        QVERIFY(mouse->openCount(Interface::Command) > 0);
        QVERIFY(!check->dialog());
    }

    void aRuleBesideTheProgramIsTheOneToInstall()
    {
        QTemporaryDir build;
        writeBytes(build.path() + QStringLiteral("/70-k7config.rules"), "SUBSYSTEM==\"hidraw\"\n");
        QCOMPARE(udevRuleSource(build.path()), build.path() + QStringLiteral("/70-k7config.rules"));
        QCOMPARE(udevRuleSource(QStringLiteral("/usr/bin")), QStringLiteral("/usr/lib/udev/rules.d/70-k7config.rules"));
        // Installed but not applied: no copy command, the installed file named.
        const QString text = permissionMessage({QStringLiteral("/dev/hidraw3")}, QStringLiteral("/x/70-k7config.rules"),
                                               QStringLiteral("/usr/lib/udev/rules.d/70-k7config.rules"));
        QVERIFY(!text.contains(QStringLiteral("sudo install")));
        QVERIFY(text.contains(QStringLiteral("/usr/lib/udev/rules.d/70-k7config.rules is installed")));
    }
};

QTEST_MAIN(TestPermission)
#include "tst_permission.moc"
