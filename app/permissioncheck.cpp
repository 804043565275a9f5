#include "permissioncheck.h"

#include "devicedetection.h"
#include "devicelist.h"
#include "nodeaccess.h"
#include "widget.h"
#include "widgetevents.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>

Q_DECLARE_LOGGING_CATEGORY(lcWidget)

#ifndef K7_INSTALLED_UDEV_RULES
#define K7_INSTALLED_UDEV_RULES "../lib/udev/rules.d"
#endif

namespace {

const QString kRule = QString::fromLatin1(UDEV_RULE_NAME);
const QString kReload = QStringLiteral("sudo udevadm control --reload");
const QString kTrigger = QStringLiteral("sudo udevadm trigger --subsystem-match=hidraw");

QString installCommand(const QString& ruleSource)
{
    return QStringLiteral("sudo install -m 644 %1 /etc/udev/rules.d/%2").arg(ruleSource, kRule);
}

QStringList commands(const QString& ruleSource, const QString& installedRule)
{
    QStringList lines;
    if (installedRule.isEmpty())
        lines.append(installCommand(ruleSource));
    lines << kReload << kTrigger;
    return lines;
}

} // namespace

QStringList refusedNodes(const QList<DeviceEntry>& entries)
{
    QStringList nodes;
    for (const DeviceEntry& entry : entries) {
        for (const QString& path : {entry.path, entry.path2}) {
            if (!path.isEmpty() && !nodes.contains(path) && nodeRefusesAccess(QFile::encodeName(path).constData()))
                nodes.append(path);
        }
    }
    return nodes;
}

QString udevRuleSource(const QString& executableFolder)
{
    const QString beside = executableFolder + QLatin1Char('/') + kRule;
    if (QFileInfo::exists(beside))
        return beside;
    return QFileInfo(executableFolder + QStringLiteral("/" K7_INSTALLED_UDEV_RULES "/") + kRule).absoluteFilePath();
}

QString installedUdevRule()
{
    for (const char* folder : {"/etc/udev/rules.d/", "/run/udev/rules.d/", "/usr/lib/udev/rules.d/", "/lib/udev/rules.d/"}) {
        const QString rule = QString::fromLatin1(folder) + kRule;
        if (QFileInfo::exists(rule))
            return rule;
    }
    return QString();
}

QString permissionMessage(const QStringList& nodes, const QString& ruleSource, const QString& installedRule)
{
    QString text = QStringLiteral("The mouse is connected, but this user may not open its device for reading and writing:\n%1\n\n")
                       .arg(nodes.join(QLatin1Char('\n')));
    if (installedRule.isEmpty())
        text += QStringLiteral("Install the udev rule %1, which gives the user at this computer access to the mouse, "
                               "with these commands, then unplug the mouse and plug it in again:\n").arg(kRule);
    else
        text += QStringLiteral("The udev rule %1 is installed but not applied to the mouse yet. Apply it with these "
                               "commands, then unplug the mouse and plug it in again:\n").arg(installedRule);
    text += commands(ruleSource, installedRule).join(QLatin1Char('\n'));
    text += QStringLiteral("\n\nThe rule serves the user logged in at this computer, not remote sessions.");
    return text;
}

QString permissionLogLine(const QStringList& nodes, const QString& ruleSource, const QString& installedRule)
{
    return QStringLiteral("no permission to open %1; udev rule %2 needed, run: %3")
        .arg(nodes.join(QStringLiteral(", ")), installedRule.isEmpty() ? ruleSource : installedRule,
             commands(ruleSource, installedRule).join(QStringLiteral(" && ")));
}

PermissionCheck::PermissionCheck(Widget& window, const QString& executableFolder)
    : QObject(&window)
    , m_window(window)
    , m_ruleSource(udevRuleSource(executableFolder))
{
    connect(window.events(), &WidgetEvents::detectionPassFinished, this, &PermissionCheck::afterPass);
}

void PermissionCheck::afterPass(bool connected)
{
    if (connected)
        return;
    // Enumerated afresh: a failed open has cleared the path the pass found.
    QList<DeviceEntry> entries = loadDeviceList();
    assignInterfacePaths(entries, *m_window.device().backend());
    const QStringList nodes = refusedNodes(entries);
    if (nodes.isEmpty() || nodes == m_reported)
        return;
    m_reported = nodes;
    const QString installed = installedUdevRule();
    qCWarning(lcWidget).noquote() << permissionLogLine(nodes, m_ruleSource, installed);

    // Not modal: the detection pass that called this must not wait for it.
    if (!m_dialog) {
        m_dialog = new QMessageBox(QMessageBox::Warning, QStringLiteral("TELVARI OSKEN MOUSE K7"), QString(),
                                   QMessageBox::Ok);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_dialog->setText(permissionMessage(nodes, m_ruleSource, installed));
    m_dialog->show();
}
