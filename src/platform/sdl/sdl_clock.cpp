#include <ctime>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

// SDL's tick count is 32 bits and wraps after 49 days, like the game expects.
uint32_t Milliseconds() { return SDL_GetTicks(); }

int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace backend
