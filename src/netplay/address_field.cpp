#include "netplay/address_field.h"

#include <cstring>

#include "netlink/net_game.h"
#include "platform/typed_text.h"

bool TypeIntoAddress(AddressField& field, uint32_t codepoint) {
    if (codepoint == typedBackspace) {
        if (field.length == 0) return false;
        field.text[--field.length] = '\0';
        return true;
    }
    const bool allowed = (codepoint >= '0' && codepoint <= '9') || codepoint == '.' || codepoint == ':';
    if (!allowed || field.length >= addressFieldMax) return false;
    field.text[field.length++] = static_cast<char>(codepoint);
    field.text[field.length] = '\0';
    return true;
}

bool ParsePort(const char* digits, uint16_t& port) {
    if (digits[0] == '\0' || std::strlen(digits) > 5) return false;
    uint32_t value = 0;
    for (const char* d = digits; *d != '\0'; ++d) {
        if (*d < '0' || *d > '9') return false;
        value = value * 10 + static_cast<uint32_t>(*d - '0');
    }
    if (value < 1 || value > 65535) return false;
    port = static_cast<uint16_t>(value);
    return true;
}

bool SplitAddress(const char* text, char* host, size_t hostSize, uint16_t& port) {
    const char* colon = std::strchr(text, ':');
    const size_t hostLength = colon != nullptr ? static_cast<size_t>(colon - text) : std::strlen(text);
    if (hostLength == 0 || hostLength >= hostSize) return false;
    port = defaultGamePort;
    if (colon != nullptr && !ParsePort(colon + 1, port)) return false;
    std::memcpy(host, text, hostLength);
    host[hostLength] = '\0';
    return true;
}
