// sumline_paddriver: the real game, with a virtual gamepad that the
// end-to-end run plugs in, presses and pulls out by writing lines to its
// standard input:
//   plug                  attach the pad (a standard controller layout)
//   press BUTTON [MS]     hold a button (a b x y back start leftshoulder
//                         rightshoulder dpup dpdown dpleft dpright) for MS
//                         milliseconds (100 when not given)
//   stick AXIS VALUE      set the left stick (x or y) to -32768..32767
//   unplug                detach it
// Each answer goes to standard error as "paddriver: ..." for the run's log.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "app/game_start.h"

namespace {

SDL_Joystick* pad = nullptr;
int deviceIndex = -1;

void Say(const std::string& line) { std::fprintf(stderr, "paddriver: %s\n", line.c_str()); }

// The game initialises SDL's joystick side when its window is up; until
// then attaching fails, so it is tried for a while.
void Plug() {
    for (int attempt = 0; attempt < 100 && deviceIndex < 0; ++attempt) {
        if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
            deviceIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        }
        if (deviceIndex < 0) SDL_Delay(50);
    }
    if (deviceIndex < 0) return Say(std::string("cannot attach: ") + SDL_GetError());
    pad = SDL_JoystickOpen(deviceIndex);
    if (pad == nullptr) return Say(std::string("cannot open: ") + SDL_GetError());
    if (SDL_IsGameController(deviceIndex) == SDL_FALSE) {
        // Buttons and axes in SDL's own order, as the virtual device has them.
        char guid[64];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(deviceIndex), guid, sizeof guid);
        const std::string mapping = std::string(guid) +
                                    ",Virtual pad,a:b0,b:b1,x:b2,y:b3,back:b4,guide:b5,start:b6,leftstick:b7,"
                                    "rightstick:b8,leftshoulder:b9,rightshoulder:b10,dpup:b11,dpdown:b12,dpleft:b13,"
                                    "dpright:b14,leftx:a0,lefty:a1,rightx:a2,righty:a3,lefttrigger:a4,righttrigger:a5,";
        SDL_GameControllerAddMapping(mapping.c_str());
    }
    // Presses count only once the game has opened the pad, on its next look
    // at its events: the answer waits for that.
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    for (int wait = 0; wait < 200 && SDL_GameControllerFromInstanceID(id) == nullptr; ++wait) SDL_Delay(25);
    if (SDL_GameControllerFromInstanceID(id) == nullptr) return Say("the game did not open the pad");
    Say(std::string("plugged: ") + (SDL_IsGameController(deviceIndex) == SDL_TRUE ? "a game controller" : "no mapping") +
        ", " + std::to_string(SDL_NumJoysticks()) + " joysticks");
}

void Unplug() {
    if (pad == nullptr) return Say("no pad to unplug");
    SDL_JoystickClose(pad);
    pad = nullptr;
    SDL_JoystickDetachVirtual(deviceIndex);
    deviceIndex = -1;
    Say("unplugged");
}

void Press(const std::string& name, int ms) {
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str());
    if (pad == nullptr || button == SDL_CONTROLLER_BUTTON_INVALID) return Say("cannot press " + name);
    SDL_JoystickSetVirtualButton(pad, button, SDL_PRESSED);
    SDL_Delay(static_cast<Uint32>(ms));
    SDL_JoystickSetVirtualButton(pad, button, SDL_RELEASED);
    Say("pressed " + name);
}

void Stick(const std::string& axis, int value) {
    if (pad == nullptr || (axis != "x" && axis != "y")) return Say("cannot move the stick " + axis);
    SDL_JoystickSetVirtualAxis(pad, axis == "x" ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY,
                               static_cast<Sint16>(value));
    Say("stick " + axis + " " + std::to_string(value));
}

void ReadCommands() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command, name, number;
        words >> command >> name >> number;
        const int value = number.empty() ? 100 : std::atoi(number.c_str());
        if (command == "plug") Plug();
        else if (command == "unplug") Unplug();
        else if (command == "press") Press(name, value);
        else if (command == "stick") Stick(name, value);
        else if (!command.empty()) Say("unknown command " + command);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::thread(ReadCommands).detach();
    return RunSumLine(argc, argv);
}
