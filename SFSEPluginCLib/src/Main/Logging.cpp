#include "Logging.h"

std::atomic<bool> bLogging{ true };
