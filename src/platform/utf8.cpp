#include "platform/utf8.h"

int DecodeUtf8(const char* text, uint32_t& codepoint) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const unsigned lead = bytes[0];
    codepoint = lead;
    if (lead == 0) return 0;
    if (lead < 0x80) return 1;

    int extra = 0;
    uint32_t value = 0;
    uint32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, value = lead & 0x07, smallest = 0x10000;
    } else {
        codepoint = invalidCodepoint;
        return 1;
    }
    // Each byte is looked at only after the one before it proved not to be
    // the terminator, so a cut-off sequence stops right there.
    for (int i = 1; i <= extra; ++i) {
        const unsigned next = bytes[i];
        if ((next & 0xC0) != 0x80) {
            codepoint = invalidCodepoint;
            return 1;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        codepoint = invalidCodepoint;
    } else {
        codepoint = value;
    }
    return extra + 1;
}
