#include "nodeaccess.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool nodeRefusesAccess(const char* path)
{
    // Opening a hidraw node sends nothing to the device.
    const int fd = ::open(path, O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EACCES || errno == EPERM;
}
