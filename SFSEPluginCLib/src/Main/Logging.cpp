#include "Logging.h"

bool bLogging = true;
