#pragma once

// platform/sdl: the backend the game runs on, implementing platform/backend.h
// with SDL2: window, scaled presenting, frame pacing, keys, full screen and
// the mixer; also the font lookup and rasteriser (font_*.cpp) every program
// uses. It stands on the platform layer only.

#include <SDL.h>

#include <cstdint>

// What the SDL backend's files share with each other; the game sees only
// platform/backend.h.
namespace backend {

// --- sdl_window.cpp
// The one game window, from Start to Shutdown.
extern SDL_Window* gameWindow;

// --- sdl_present.cpp
// The window surface was replaced (resize, full screen): get it again and
// draw everything on the next present.
void ForgetWindowSurface();
// The window's contents were lost on screen: push the whole surface again.
void RepaintWindow();
// Back to the state before the first present (start and shutdown).
void ResetPresenter();

// --- sdl_pacing.cpp
// Returns at the next 1/60 s deadline after the previous present.
void WaitForFrameDeadline();
void ResetPacing();

// --- sdl_keys.cpp
// Key events from the event loop, in the game's key codes.
void HandleKeyEvent(const SDL_KeyboardEvent& key);
void ReleaseAllKeys();
// The labels the keyboard's layout prints on the keys (start-up, and
// whenever the layout changes).
void ReadKeyLabels();

// --- sdl_typed_text.cpp
// The system's text input on while a field wants typing (once a frame), and
// the typed text and Backspace handed to platform/typed_text.h.
void FollowTypedText();
void HandleTypedEvent(const SDL_Event& event);

// --- sdl_pads.cpp
// Gamepads: opened as they are plugged in, seated and read as keys.
void OpenPads();
void ClosePads();
// True when the event was a pad's (handled).
bool HandlePadEvent(const SDL_Event& event);

// --- sdl_fullscreen.cpp
// Desktop full screen on and off (Alt+Enter, F11).
void ToggleFullScreen();

// --- sdl_icon.cpp
// The game's icon (the content's "sumline.bmp") on the window, when readable.
void SetWindowIcon();

// --- sdl_audio.cpp
// Audio device and mixer; failing to open just leaves the game silent.
void OpenAudio();
void CloseAudio();

}  // namespace backend
