#include "SharedState.h"

std::mutex SharedStateMutex;
