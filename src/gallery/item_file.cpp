#include "gallery/item_file.h"

#include <cstring>

#include "platform/game_files.h"

ItemFile unlockFlags = {{1}};

namespace {

constexpr const char* itemPath = "Data\\ITEM.dat";

}  // namespace

void DefaultItemFile(ItemFile& flags) {
    std::memset(&flags, 0, sizeof flags);
    flags.unlocked[0] = 1;
}

void ReadItemFile(ItemFile& flags) {
    ItemFile file;
    std::memset(&file, 0, sizeof file);
    const long count = ReadGameFile(itemPath, &file, sizeof file);
    for (long i = 0; i < count && i < itemCount; ++i)
        if (file.unlocked[i] == 1) flags.unlocked[i] = 1;
    // A value other than 1 already in memory is no unlock either.
    for (uint8_t& flag : flags.unlocked)
        if (flag != 1) flag = 0;
    flags.unlocked[0] = 1;
}

bool WriteItemFile(const ItemFile& flags) {
    ItemFile bytes;
    for (int i = 0; i < itemCount; ++i) bytes.unlocked[i] = flags.unlocked[i] == 1 ? 1 : 0;
    bytes.unlocked[0] = 1;
    return WriteGameFileAtomic(itemPath, &bytes, sizeof bytes);
}

int UnlockedCount(const ItemFile& flags) {
    int count = 0;
    for (uint8_t flag : flags.unlocked)
        if (flag == 1) ++count;
    return count;
}
