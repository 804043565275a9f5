// Runs every tst_*.qml beside this file; the exit code counts the failures.
#include <QtQuickTest/quicktest.h>

QUICK_TEST_MAIN(qmlcontrols)
