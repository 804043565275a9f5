#pragma once

#include <QtGlobal>

// A number from the environment (a seed, a count), or `fallback` when the
// variable is unset or not a number.
inline int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}
