#pragma once

#include "device/deviceentry.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>


class Widget;

inline constexpr char UDEV_RULE_NAME[] = "70-k7config.rules";

// The nodes of listed, present devices that this user may not open.
QStringList refusedNodes(const QList<DeviceEntry>& entries);

// The rule file to install: beside the executable in a build folder, under
// lib/udev/rules.d of an installed program.
QString udevRuleSource(const QString& executableFolder);
// The rule where udev reads it, when it is installed there; otherwise empty.
QString installedUdevRule();

// What to tell the user: the nodes, the rule and the commands.
QString permissionMessage(const QStringList& nodes, const QString& ruleSource, const QString& installedRule);
// The same as one log line.
QString permissionLogLine(const QStringList& nodes, const QString& ruleSource, const QString& installedRule);

// After a detection pass that connected nothing, looks whether a listed
// mouse is there but out of this user's reach (no udev rule), and says so in
// a dialog and in the log instead of leaving an empty tray icon. Each set of
// nodes is reported once per run.
class PermissionCheck : public QObject
{
    Q_OBJECT
public:
    PermissionCheck(Widget& window, const QString& executableFolder);
    QMessageBox* dialog() const { return m_dialog; }

private:
    void afterPass(bool connected);

    Widget& m_window;
    const QString m_ruleSource;
    QStringList m_reported;
    QPointer<QMessageBox> m_dialog;
};
