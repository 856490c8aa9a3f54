#include "platform/sdl/sdl_backend.h"
#include "platform/typed_text.h"

namespace backend {

void FollowTypedText() {
    // SDL starts with text input on; it stays off (no input method popping
    // up over the game) unless a field wants typing.
    const bool wanted = FollowTypingWish();
    if (wanted != (SDL_IsTextInputActive() == SDL_TRUE)) {
        if (wanted) SDL_StartTextInput();
        else SDL_StopTextInput();
    }
}

void HandleTypedEvent(const SDL_Event& event) {
    if (event.type == SDL_TEXTINPUT) AddTypedText(event.text.text);
    // Backspace makes no text: the key itself says it, repeats included.
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_BACKSPACE) AddTypedBackspace();
}

}  // namespace backend
