#pragma once

#include <QString>

#include <functional>

class GlobalInputHook;
class Widget;

struct StartupHooks
{
    // Runs right after the window is built, before the first detection pass
    // (the demo puts its emulated mouse in place here; tests watch passes).
    std::function<void(Widget&)> widgetCreated;
    // Runs when the event loop has ended and the input hooks are removed,
    // while the window still exists (tests check the way out).
    std::function<void(Widget&, const GlobalInputHook&)> loopEnded;
};

// The whole program: single instance, working directory, window, hooks, one
// detection pass, event loop. Returns the process exit status.
int runApplication(int argc, char** argv, const StartupHooks& hooks = {});

// The folder of an application file path: everything before its last "/".
QString executableFolder(const QString& applicationFilePath);
