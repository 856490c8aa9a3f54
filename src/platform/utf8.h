#pragma once
#include <cstdint>

// Code point returned for a malformed sequence; callers skip it.
constexpr uint32_t invalidCodepoint = 0xFFFFFFFFu;

// Reads one UTF-8 code point at text. Returns the number of bytes consumed:
// 0 only at the terminator, otherwise at least 1, and never a byte past the
// terminator. Malformed input (stray continuation bytes, truncated, overlong
// or surrogate sequences) gives invalidCodepoint.
int DecodeUtf8(const char* text, uint32_t& codepoint);
