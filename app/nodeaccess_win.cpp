#include "nodeaccess.h"

// Any user may open a HID interface there; no node file has permissions.
bool nodeRefusesAccess(const char*)
{
    return false;
}
