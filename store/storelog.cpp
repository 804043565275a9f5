#include "storelog.h"

Q_LOGGING_CATEGORY(lcStore, "k7.store")
