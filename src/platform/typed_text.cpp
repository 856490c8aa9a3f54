#include "platform/typed_text.h"

#include "platform/utf8.h"

namespace {

uint32_t typed[typedTextMax] = {};
int typedCount = 0;
int typedFirst = 0;
int8_t typingWished = 0;
int8_t typingOn = 0;

void Keep(uint32_t codepoint) {
    if (typingOn == 0 || typedCount >= typedTextMax) return;
    typed[(typedFirst + typedCount) % typedTextMax] = codepoint;
    ++typedCount;
}

}  // namespace

void WantTypedText() {
    typingWished = 1;
    typingOn = 1;
}

bool FollowTypingWish() {
    typingOn = typingWished;
    typingWished = 0;
    if (typingOn == 0) typedCount = 0;
    return typingOn == 1;
}

void AddTypedText(const char* utf8) {
    if (utf8 == nullptr) return;
    uint32_t codepoint = 0;
    for (int n = DecodeUtf8(utf8, codepoint); n > 0; n = DecodeUtf8(utf8, codepoint)) {
        utf8 += n;
        if (codepoint != invalidCodepoint) Keep(codepoint);
    }
}

void AddTypedBackspace() { Keep(typedBackspace); }

bool NextTypedChar(uint32_t& codepoint) {
    if (typedCount == 0) return false;
    codepoint = typed[typedFirst];
    typedFirst = (typedFirst + 1) % typedTextMax;
    --typedCount;
    return true;
}

void ResetTypedText() {
    typedCount = 0;
    typedFirst = 0;
    typingWished = 0;
    typingOn = 0;
}
