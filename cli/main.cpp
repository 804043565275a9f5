#include "commands.h"
#include "instanceguard.h"

#include "device/hidapibackend.h"
#include "device/pacingclock.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"
#include "store/datalocation.h"
#include "store/inistore.h"
#include "store/keycatalogue.h"
#include "store/storepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTextStream>

namespace {

// The demo mouse is of the family the installation names.
EmulatedMouse::Config demoMouse()
{
    const auto global = openIniStore(StorePath::kGlobal);
    EmulatedMouse::Config config;
    config.family = global->value(SettingKey::kIcType).toString() == SettingKey::kIcType560
                        ? EmulatedMouse::Family::F560
                        : EmulatedMouse::Family::F553;
    return config;
}

// The libraries' debug lines and Qt's warnings would mix with the tool's
// one-line errors; they show when QT_LOGGING_RULES asks for them (for
// example "k7.hid.frames.debug=true" for a frame dump).
void quietUnlessAsked()
{
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        return;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    quietUnlessAsked();
    QCoreApplication::setApplicationName(QStringLiteral("k7ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(K7_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    const QString folder = QCoreApplication::applicationDirPath();
    const InstanceGuard guard(windowProgramsIn(folder));
    if (guard.heldElsewhere()) {
        printError(err, CliError::device(QStringLiteral(
                            "k7config (or another k7ctl) is running and holds the mouse and its settings; "
                            "quit it from its tray menu first")));
        return ExitCode::DeviceError;
    }

    // File names on the command line mean the folder the tool was started
    // in; the settings are the window's own (see enterDataFolder).
    Environment environment;
    environment.userFolder = QDir::currentPath();
    enterDataFolder(folder);

    VirtualClock demoClock;
    SimBackend demoBackend(&demoClock);
    if (arguments.contains(QStringLiteral("--demo"))) {
        demoBackend.addMouse(demoMouse());
        environment.backend = &demoBackend;
        environment.clock = &demoClock;
    } else {
        environment.backend = defaultHidBackend();
        environment.clock = defaultPacingClock();
    }
    return runK7ctl(arguments, environment, out, err);
}
