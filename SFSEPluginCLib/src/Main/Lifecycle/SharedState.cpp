#include "Lifecycle/SharedState.h"

std::mutex SharedStateMutex;
