#include "platform/game_files.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/surface.h"

namespace backend {

// The content generator draws the icon in the game's palette, with the
// sheets' transparent index around it.
void SetWindowIcon() {
    const std::string path = ResolveGamePath("sumline.bmp");
    if (path.empty() || gameWindow == nullptr) return;
    SDL_Surface* icon = SDL_LoadBMP(path.c_str());
    if (icon == nullptr) return;
    if (icon->format->BitsPerPixel == 8) SDL_SetColorKey(icon, SDL_TRUE, colorKey);
    SDL_SetWindowIcon(gameWindow, icon);
    SDL_FreeSurface(icon);
}

}  // namespace backend
