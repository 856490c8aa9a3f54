// SDL's D-Bus connection (screen saver, input methods) leaves one libdbus
// buffer behind at exit even after SDL_Quit. It is not ours, so sanitizer
// runs of the game leave it out; in other builds nothing calls this.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
