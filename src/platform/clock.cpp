#include "platform/clock.h"

#include "platform/backend.h"

SceneClock sceneClock;

uint32_t TimeGetTime() { return backend::Milliseconds(); }
