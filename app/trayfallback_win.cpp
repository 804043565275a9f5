#include "trayfallback.h"

void attachTrayFallback(Widget&)
{
}
