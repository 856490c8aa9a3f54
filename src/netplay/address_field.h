#pragma once
#include <cstddef>
#include <cstdint>

// The joining screen's field for a host's address and port ("192.168.0.5"
// or "192.168.0.5:41730"), typed with the digits, '.' and ':'.

constexpr int addressFieldMax = 21;  // "255.255.255.255:65535"

// Typing stops at addressFieldMax characters; a name given on the command
// line may be longer.
struct AddressField {
    char text[64] = {};
    int8_t length = 0;
};

// Takes one typed character: a digit, '.' or ':' is added while there is
// room, Backspace (typedBackspace) takes the last one off. False when the
// character is refused (anything else, or a full field).
bool TypeIntoAddress(AddressField& field, uint32_t codepoint);

// A port: 1..65535 in decimal digits and nothing else.
bool ParsePort(const char* digits, uint16_t& port);

// Splits "HOST" or "HOST:PORT" (a name or a dotted address; the port
// 1..65535, defaultGamePort when not given) into host and port. False when
// the host is empty or longer than hostSize - 1, or the port is not a
// number in range.
bool SplitAddress(const char* text, char* host, size_t hostSize, uint16_t& port);
