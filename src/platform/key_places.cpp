#include "platform/key_places.h"

#include <cstring>

#include "platform/keys.h"

namespace {

struct Place {
    int scancode;
    int vk;
    const char* label;  // on a US keyboard
};

// The keys a player may bind or the menus read, by their USB usage number,
// with the classic key codes the game has always counted in. The keypad's
// Enter comes after the main one, so the main one names the place of both.
constexpr Place places[] = {
    {4, 'A', "A"},      {5, 'B', "B"},       {6, 'C', "C"},      {7, 'D', "D"},       {8, 'E', "E"},
    {9, 'F', "F"},      {10, 'G', "G"},      {11, 'H', "H"},     {12, 'I', "I"},      {13, 'J', "J"},
    {14, 'K', "K"},     {15, 'L', "L"},      {16, 'M', "M"},     {17, 'N', "N"},      {18, 'O', "O"},
    {19, 'P', "P"},     {20, 'Q', "Q"},      {21, 'R', "R"},     {22, 'S', "S"},      {23, 'T', "T"},
    {24, 'U', "U"},     {25, 'V', "V"},      {26, 'W', "W"},     {27, 'X', "X"},      {28, 'Y', "Y"},
    {29, 'Z', "Z"},     {30, '1', "1"},      {31, '2', "2"},     {32, '3', "3"},      {33, '4', "4"},
    {34, '5', "5"},     {35, '6', "6"},      {36, '7', "7"},     {37, '8', "8"},      {38, '9', "9"},
    {39, '0', "0"},     {40, vkReturn, "Enter"}, {41, vkEscape, "Esc"}, {42, 0x08, "BS"}, {43, 0x09, "Tab"},
    {44, 0x20, "Space"}, {45, 0xBD, "-"},    {46, 0xBB, "="},    {47, 0xDB, "["},     {48, 0xDD, "]"},
    {49, 0xDC, "\\"},   {51, 0xBA, ";"},     {52, 0xDE, "'"},    {53, 0xC0, "`"},     {54, 0xBC, ","},
    {55, 0xBE, "."},    {56, 0xBF, "/"},     {58, vkF1, "F1"},   {59, 0x71, "F2"},    {60, 0x72, "F3"},
    {61, 0x73, "F4"},   {62, 0x74, "F5"},    {63, 0x75, "F6"},   {64, 0x76, "F7"},    {65, 0x77, "F8"},
    {66, 0x78, "F9"},   {67, 0x79, "F10"},   {69, 0x7B, "F12"},  {73, 0x2D, "Ins"},   {74, 0x24, "Home"},
    {75, 0x21, "PgUp"}, {76, 0x2E, "Del"},   {77, 0x23, "End"},  {78, 0x22, "PgDn"},  {79, vkRight, "→"},
    {80, vkLeft, "←"},  {81, vkDown, "↓"},   {82, vkUp, "↑"},    {84, 0x6F, "Num/"},  {85, 0x6A, "Num*"},
    {86, 0x6D, "Num-"}, {87, 0x6B, "Num+"},  {88, vkReturn, "Enter"}, {89, 0x61, "Num1"}, {90, 0x62, "Num2"},
    {91, 0x63, "Num3"}, {92, 0x64, "Num4"},  {93, 0x65, "Num5"}, {94, 0x66, "Num6"},  {95, 0x67, "Num7"},
    {96, 0x68, "Num8"}, {97, 0x69, "Num9"},  {98, 0x60, "Num0"}, {99, 0x6E, "Num."},  {100, 0xE2, "<"},
    {224, 0xA2, "LCtrl"}, {225, 0xA0, "LShift"}, {226, 0xA4, "LAlt"}, {228, 0xA3, "RCtrl"}, {229, 0xA1, "RShift"},
    {230, 0xA5, "RAlt"},
};

constexpr int labelBytes = 16;
char labels[256][labelBytes];

}  // namespace

int KeyOfPlace(int scancode) {
    for (const Place& place : places)
        if (place.scancode == scancode) return place.vk;
    return -1;
}

int PlaceOfKey(int vk) {
    for (const Place& place : places)
        if (place.vk == vk) return place.scancode;
    return -1;
}

const char* KeyLabel(int vk) {
    if (vk <= 0 || vk > 255) return "?";
    if (labels[vk][0] != '\0') return labels[vk];
    // No layout said otherwise: the US keyboard's.
    for (const Place& place : places)
        if (place.vk == vk) return place.label;
    return "?";
}

void SetKeyLabel(int vk, const char* label) {
    if (vk <= 0 || vk > 255 || label == nullptr) return;
    // Cut on a character boundary, never inside one.
    size_t n = std::strlen(label);
    if (n >= labelBytes) {
        n = labelBytes - 1;
        while (n > 0 && (static_cast<unsigned char>(label[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(labels[vk], label, n);
    labels[vk][n] = '\0';
}

void ResetKeyLabels() { std::memset(labels, 0, sizeof labels); }
