// The utility with an emulated mouse in place of USB: everything the real
// program does, for trying it out without the hardware.

#include "demomouse.h"
#include "entry.h"

int main(int argc, char* argv[])
{
    DemoMouse demo;
    StartupHooks hooks;
    hooks.widgetCreated = [&demo](Widget& window) { demo.install(window); };
    return runApplication(argc, argv, hooks);
}
