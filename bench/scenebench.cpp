// k7config-scenebench: start-up cost of the scene, side by side with a
// minimal window of the same kind, measured the same way in the same run.
//
//   k7config-scenebench [--runs N] [--idle-seconds S]
//
// For each platform (offscreen; Xvfb when installed), renderer (software
// scene graph, the default; OpenGL, asked for with QSG_RHI_BACKEND=opengl)
// and program (k7config-minimalwindow; the same with one line of text;
// k7config-demo with its emulated mouse connected) it prints
//   first frame: median, min and max of N starts, from process start to the
//                first painted frame with the scene shown, in ms;
//   rss:         resident memory 2 s after the first frame, in MB;
//   idle cpu:    share of one core used over S seconds after that, in %
//                (the demo's notification monitor is running meanwhile).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <unistd.h>

namespace {

struct Setting
{
    QString platform;   // "offscreen" or "xcb"
    QString renderer;   // "software" or "opengl"
    QString program;
    QStringList arguments;
};

// The programs of each platform and renderer, the yardstick first.
struct Program
{
    QString label;
    QString executable;
    QStringList arguments;
};
const Program programs[] = {
    {QStringLiteral("minimal window"), QStringLiteral("k7config-minimalwindow"), {}},
    {QStringLiteral("minimal window + text"), QStringLiteral("k7config-minimalwindow"), {QStringLiteral("--text")}},
    {QStringLiteral("k7config-demo"), QStringLiteral("k7config-demo"), {}},
};

struct Figures
{
    QList<qint64> firstFrameMs;
    double rssMb = -1;
    double idleCpuPercent = -1;
    QString failure;
};

QProcessEnvironment environmentFor(const Setting& s, const QString& display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("K7_REPORT_FIRST_FRAME"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), s.platform);
    env.remove(QStringLiteral("QT_QUICK_BACKEND"));
    env.remove(QStringLiteral("QSG_RHI_BACKEND"));
    if (s.renderer == QLatin1String("opengl"))
        env.insert(QStringLiteral("QSG_RHI_BACKEND"), QStringLiteral("opengl"));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    return env;
}

// Starts the program and waits for its first-frame line; -1 on failure.
qint64 startUntilFirstFrame(QProcess& process, const QString& path, const QStringList& arguments,
                            const QProcessEnvironment& env)
{
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(path, arguments);
    QByteArray out;
    while (clock.elapsed() < 20000) {
        if (!process.waitForReadyRead(100)) {
            if (process.state() == QProcess::NotRunning)
                return -1;
            continue;
        }
        out += process.readAllStandardOutput();
        if (out.contains("first-frame\n"))
            return clock.elapsed();
    }
    return -1;
}

void stop(QProcess& process)
{
    process.kill();
    process.waitForFinished(5000);
}

double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// User plus system time of the process so far, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which may hold spaces, in parentheses.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

Figures measure(const Setting& s, const QString& folder, const QString& display, int runs, int idleSeconds)
{
    Figures f;
    const QString path = folder + QLatin1Char('/') + s.program;
    const QProcessEnvironment env = environmentFor(s, display);
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        const qint64 ms = startUntilFirstFrame(process, path, s.arguments, env);
        if (ms < 0) {
            f.failure = QStringLiteral("no frame within 20 s");
            stop(process);
            return f;
        }
        f.firstFrameMs << ms;
        if (run + 1 == runs) {
            QThread::sleep(2);
            const qint64 pid = process.processId();
            f.rssMb = residentMb(pid);
            const qint64 before = cpuTicks(pid);
            QThread::sleep(idleSeconds);
            const qint64 after = cpuTicks(pid);
            f.idleCpuPercent = 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / idleSeconds;
        }
        stop(process);
        QThread::msleep(300);
    }
    return f;
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

// An X server of our own for the run; empty when Xvfb is not installed.
QString startXvfb(QProcess& xvfb)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty())
        return {};
    const int number = 90 + int(QCoreApplication::applicationPid() % 100);
    xvfb.start(program, {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    for (int i = 0; i < 50 && !QFileInfo::exists(socket); ++i)
        QThread::msleep(100);
    return QFileInfo::exists(socket) ? QStringLiteral(":%1").arg(number) : QString();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runsAt = int(args.indexOf(QStringLiteral("--runs")));
    const int idleAt = int(args.indexOf(QStringLiteral("--idle-seconds")));
    const int runs = runsAt > 0 ? std::max(1, args.value(runsAt + 1).toInt()) : 5;
    const int idleSeconds = idleAt > 0 ? std::max(1, args.value(idleAt + 1).toInt()) : 30;
    const QString folder = QCoreApplication::applicationDirPath();

    QTextStream out(stdout);
    // Other work on the machine distorts every figure: print how busy it was.
    auto loadAverage = [] {
        QFile file(QStringLiteral("/proc/loadavg"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed()) : QStringLiteral("?");
    };
    out << "load average before: " << loadAverage() << ", cores: " << QThread::idealThreadCount() << "\n";
    QProcess xvfb;
    const QString display = startXvfb(xvfb);
    QStringList platforms{QStringLiteral("offscreen")};
    if (!display.isEmpty())
        platforms << QStringLiteral("xcb");
    else
        out << "Xvfb not found: the X11 rows are left out\n";

    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
               .arg(QStringLiteral("platform"), -10).arg(QStringLiteral("renderer"), -9)
               .arg(QStringLiteral("program"), -23).arg(QStringLiteral("first_ms"), 8)
               .arg(QStringLiteral("min..max"), 11).arg(QStringLiteral("x_minimal"), 9)
               .arg(QStringLiteral("rss_MB"), 7).arg(QStringLiteral("idle_cpu_%"), 10);
    out.flush();
    for (const QString& platform : platforms) {
        for (const QString renderer : {QStringLiteral("software"), QStringLiteral("opengl")}) {
            qint64 minimalMs = -1;
            for (const Program& program : programs) {
                const Setting s{platform, renderer, program.executable, program.arguments};
                const Figures f = measure(s, folder, platform == QLatin1String("xcb") ? display : QString(), runs, idleSeconds);
                const QString label = QStringLiteral("%1 %2 %3 ").arg(platform, -10).arg(renderer, -9).arg(program.label, -23);
                if (!f.failure.isEmpty()) {
                    out << label << f.failure << "\n";
                    out.flush();
                    continue;
                }
                const qint64 ms = median(f.firstFrameMs);
                if (&program == &programs[0])
                    minimalMs = ms;
                const auto [lo, hi] = std::minmax_element(f.firstFrameMs.begin(), f.firstFrameMs.end());
                out << label << QStringLiteral("%1 %2 %3 %4 %5\n")
                                    .arg(ms, 8)
                                    .arg(QStringLiteral("%1..%2").arg(*lo).arg(*hi), 11)
                                    .arg(minimalMs > 0 ? QString::number(double(ms) / double(minimalMs), 'f', 2) : QStringLiteral("-"), 9)
                                    .arg(f.rssMb, 7, 'f', 1)
                                    .arg(f.idleCpuPercent, 10, 'f', 2);
                out.flush();
            }
        }
    }
    out << "load average after: " << loadAverage() << "\n";
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }
    return 0;
}
