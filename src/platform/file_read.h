#pragma once
#include <cstddef>
#include <cstdint>

// Opening files for reading so that nothing can make the game wait: a named
// pipe, a device or a folder standing where a game file belongs would block a
// plain open or read for ever, so only regular files are ever read.

// Why a file yields nothing; named on standard error for pictures and sounds.
enum class ReadProblem : uint8_t {
    none,
    badPath,         // absolute, or climbing out of the working directory
    missing,
    notRegularFile,  // a pipe, device, socket or folder
    cannotOpen,      // no permission and the like
    tooLarge,        // by the file size or the sizes in its headers
    damagedHeader,
    truncated,       // shorter than its headers say
    damagedData,
    unsupported,     // well formed, in a format the game does not play
    readError,
};

// A few words for the message: "missing", "not a regular file", ...
const char* ReadProblemText(ReadProblem problem);

// Opens a path on disk without waiting (O_NONBLOCK), then keeps it only when
// fstat says it is a regular file. Returns the descriptor, with size set from
// fstat, or -1 with problem saying why.
int OpenFileForReading(const char* diskPath, int64_t& size, ReadProblem& problem);

// The same for a game path ("Back\\Title.bmp"), resolved as ResolveGamePath.
int OpenGameFileForReading(const char* gamePath, int64_t& size, ReadProblem& problem);

// Reads exactly size bytes from offset; false on an error or an early end.
bool ReadFileAt(int fd, int64_t offset, void* buffer, size_t size);
