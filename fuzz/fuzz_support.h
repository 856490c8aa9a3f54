#pragma once
// Shared by the fuzz targets: a private working folder for the game paths,
// whole-file helpers, little-endian fields and a check that stops the run.

#include <cstddef>
#include <cstdint>
#include <vector>

// A broken promise of a reader: prints where and aborts, so libFuzzer keeps
// the input as a crash.
[[noreturn]] void FuzzFail(const char* what, const char* file, int line);
#define FUZZ_CHECK(cond) ((cond) ? void(0) : ::FuzzFail(#cond, __FILE__, __LINE__))

// The readers take game paths relative to the working directory, so each
// target works in a fresh folder of its own (removed at exit). The paths on
// the command line are made absolute first, since libFuzzer opens the corpus
// and writes artifacts after the move. Call from LLVMFuzzerInitialize.
void EnterFuzzFolder(int* argc, char*** argv);

// A disk path inside the fuzz folder ("Data/OD.dat"): written afresh with
// its folder created; read whole (empty when missing).
void PutFile(const char* path, const uint8_t* data, size_t size);
std::vector<uint8_t> FileBytes(const char* path);
bool FileExists(const char* path);

inline uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
