// The text of one row of the keyboard-event table: its header, its underline and the line
// of one logged message. Plain C++: no Windows headers, so the native unit tests build it
// too.
#pragma once

#include <cstdint>
#include <string>

// The eight keyboard messages, spelled as <windows.h> spells them so that either header may
// come first.
#ifndef WM_KEYDOWN
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_DEADCHAR 0x0103
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_SYSDEADCHAR 0x0107
#endif

constexpr int HEADER_LENGTH = 88;
constexpr int UNDERLINE_LENGTH = 91;
constexpr int LINE_WIDTH = 91;     // columns of a table line
constexpr int KEY_LABEL_SIZE = 32; // the key-name buffer handed to GetKeyNameTextA

extern const char HEADER_TEXT[HEADER_LENGTH + 1];
extern const char UNDERLINE_TEXT[UNDERLINE_LENGTH + 1];
// Names of the messages 256 .. 263, each 14 characters, blank-filled.
extern const char* const MESSAGE_NAMES[8];

// True for the eight keyboard messages 256 .. 263.
bool IsKeyboardMessage(unsigned message);
// True for WM_CHAR, WM_DEADCHAR, WM_SYSCHAR and WM_SYSDEADCHAR.
bool IsCharacterMessage(unsigned message);

// textSet when (value AND mask) is not 0, else textClear, in exactly 8 characters: cut after 8,
// or filled with blanks.
std::string PickFlagText(std::int32_t mask, std::int32_t value, const char* textSet,
                         const char* textClear);

// The line of one logged message, without its trailing blanks (the characters to draw).
// keyName is what GetKeyNameTextA gave for lParam; it is used for key messages only.
// Texts are Windows-1252.
std::string BuildKeyEventLine(unsigned message, std::uint32_t wParam, std::uint32_t lParam,
                              const std::string& keyName);
