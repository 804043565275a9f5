#pragma once

#include <QString>

#include <functional>

class Widget;

struct StartupHooks
{
    // Runs right after the window is built, before the first detection pass
    // (the demo puts its emulated mouse in place here; tests watch passes).
    std::function<void(Widget&)> widgetCreated;
};

// The whole program: single instance, working directory, window, hooks, one
// detection pass, event loop. Returns the process exit status.
int runApplication(int argc, char** argv, const StartupHooks& hooks = {});

// The folder of an application file path: everything before its last "/".
QString executableFolder(const QString& applicationFilePath);
