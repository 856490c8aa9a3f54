#include "platform/pad_input.h"
#include "platform/sdl/sdl_backend.h"

// Gamepads through SDL's game-controller layer, which gives every known pad
// the same button names. Pads come and go at any time: one plugged in takes
// the first free seat, one pulled out lets go of every key it held.
namespace backend {
namespace {

struct Seat {
    SDL_GameController* pad = nullptr;
    SDL_JoystickID id = -1;
};

Seat seats[padSeatCount];
bool padsOpen = false;

int SeatOf(SDL_JoystickID id) {
    for (int seat = 0; seat < padSeatCount; ++seat) {
        if (seats[seat].pad != nullptr && seats[seat].id == id) return seat;
    }
    return -1;
}

void Plugged(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || SeatOf(id) >= 0) return;
    for (Seat& seat : seats) {
        if (seat.pad != nullptr) continue;
        seat.pad = SDL_GameControllerOpen(deviceIndex);
        if (seat.pad != nullptr) seat.id = id;
        return;
    }
    // A third pad waits unopened; it plays once plugged in again with a seat free.
}

void Unplugged(SDL_JoystickID id) {
    const int seat = SeatOf(id);
    if (seat < 0) return;
    ReleasePadSeat(seat);
    SDL_GameControllerClose(seats[seat].pad);
    seats[seat] = Seat{};
}

bool ButtonOf(Uint8 sdlButton, PadButton& button) {
    switch (sdlButton) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP: button = PadButton::up; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: button = PadButton::down; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: button = PadButton::left; return true;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: button = PadButton::right; return true;
        case SDL_CONTROLLER_BUTTON_A: button = PadButton::a; return true;
        case SDL_CONTROLLER_BUTTON_B: button = PadButton::b; return true;
        case SDL_CONTROLLER_BUTTON_X: button = PadButton::x; return true;
        case SDL_CONTROLLER_BUTTON_Y: button = PadButton::y; return true;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: button = PadButton::leftShoulder; return true;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: button = PadButton::rightShoulder; return true;
        case SDL_CONTROLLER_BUTTON_START: button = PadButton::start; return true;
        case SDL_CONTROLLER_BUTTON_BACK: button = PadButton::back; return true;
        case SDL_CONTROLLER_BUTTON_GUIDE: button = PadButton::guide; return true;
        default: return false;
    }
}

}  // namespace

void OpenPads() {
    // Without the subsystem the game simply has no pads.
    if (padsOpen || SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    padsOpen = true;
    // Pads already plugged in arrive as events like any later one.
}

void ClosePads() {
    if (!padsOpen) return;
    for (Seat& seat : seats) {
        if (seat.pad != nullptr) SDL_GameControllerClose(seat.pad);
        seat = Seat{};
    }
    ReleaseAllPads();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    padsOpen = false;
}

bool HandlePadEvent(const SDL_Event& event) {
    PadButton button = PadButton::a;
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: Plugged(event.cdevice.which); return true;
        case SDL_CONTROLLERDEVICEREMOVED: Unplugged(event.cdevice.which); return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (ButtonOf(event.cbutton.button, button)) {
                SetPadButton(SeatOf(event.cbutton.which), button, event.type == SDL_CONTROLLERBUTTONDOWN);
            }
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                SetPadStick(SeatOf(event.caxis.which), event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? 0 : 1,
                            event.caxis.value);
            }
            return true;
        default: return false;
    }
}

}  // namespace backend
