// The item file "Data\ITEM.dat": from any bytes every flag is 0 or 1, item 0
// is held, a byte of exactly 1 among the first 50 unlocks its item and any
// other byte does not, and what was held before the read stays held. Written
// back, the file is the 50 flags, which read back the same.

#include <cstring>

#include "fuzz_support.h"
#include "gallery/item_file.h"

namespace {

constexpr const char* diskPath = "Data/ITEM.dat";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile(diskPath, data, size);
    // Some flags held before the read, varied with the input.
    ItemFile before;
    DefaultItemFile(before);
    for (size_t i = 0; i < itemCount; ++i)
        if ((i * 7 + size) % 5 == 0) before.unlocked[i] = 1;
    ItemFile flags = before;
    ReadItemFile(flags);
    for (size_t i = 0; i < itemCount; ++i) {
        const bool inFile = i < size && data[i] == 1;
        const bool held = i == 0 || inFile || before.unlocked[i] == 1;
        FUZZ_CHECK(flags.unlocked[i] == (held ? 1 : 0));
    }

    FUZZ_CHECK(WriteItemFile(flags));
    const std::vector<uint8_t> written = FileBytes(diskPath);
    FUZZ_CHECK(written.size() == itemCount);
    FUZZ_CHECK(std::memcmp(written.data(), flags.unlocked, itemCount) == 0);
    ItemFile again;
    DefaultItemFile(again);
    ReadItemFile(again);
    FUZZ_CHECK(std::memcmp(&again, &flags, sizeof flags) == 0);
    return 0;
}
