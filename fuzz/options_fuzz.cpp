// The options file "Data\OD.dat": any bytes read give five settings each in
// 0..optionMax, the bytes a short file lacks keep their earlier value, and a
// valid record read and written back gives the same five bytes.

#include <algorithm>
#include <cstring>

#include "fuzz_support.h"
#include "options/options_file.h"

namespace {

constexpr const char* diskPath = "Data/OD.dat";
// In range and unlike the defaults, so a byte the file lacks shows up.
constexpr int8_t before[5] = {2, 1, 0, 3, 1};

void SetAll(const int8_t (&values)[5]) {
    for (int i = 0; i < 5; ++i) OptionField(i) = values[i];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetAll(before);
    PutFile(diskPath, data, size);
    ReadOptionsFile();

    bool valid = size >= 5;
    int8_t read[5];
    for (int i = 0; i < 5; ++i) {
        read[i] = OptionField(i);
        FUZZ_CHECK(read[i] >= 0 && read[i] <= optionMax[i]);
        if (i < static_cast<int>(size)) {
            const int8_t raw = static_cast<int8_t>(data[i]);
            FUZZ_CHECK(read[i] == std::clamp<int8_t>(raw, 0, optionMax[i]));
            valid = valid && raw == read[i];
        } else {
            FUZZ_CHECK(read[i] == before[i]);
        }
    }

    WriteOptionsFile();
    const std::vector<uint8_t> written = FileBytes(diskPath);
    FUZZ_CHECK(written.size() == 5);
    for (int i = 0; i < 5; ++i) FUZZ_CHECK(static_cast<int8_t>(written[i]) == read[i]);
    if (valid) FUZZ_CHECK(std::memcmp(written.data(), data, 5) == 0);

    // What was written reads back as the same settings, whatever came before.
    constexpr int8_t zeros[5] = {};
    SetAll(zeros);
    ReadOptionsFile();
    for (int i = 0; i < 5; ++i) FUZZ_CHECK(OptionField(i) == read[i]);
    return 0;
}
