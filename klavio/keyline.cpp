#include "keyline.h"

#include <algorithm>
#include <cstring>

#include "textio.h"

const char HEADER_TEXT[HEADER_LENGTH + 1] =
    "Nachricht      Taste                Zeichen      Wdh.  OEM-Code Erw. ALT   vorher  jetzt";
const char UNDERLINE_TEXT[UNDERLINE_LENGTH + 1] =
    "_________      ____________________ _______      ____  ________ ____ ___   ______  ________";

const char* const MESSAGE_NAMES[8] = {
    "WM_KEYDOWN    ", "WM_KEYUP      ", "WM_CHAR       ", "WM_DEADCHAR   ",
    "WM_SYSKEYDOWN ", "WM_SYSKEYUP   ", "WM_SYSCHAR    ", "WM_SYSDEADCHAR",
};

namespace {

const char FLAG_YES[] = "Ja";
const char FLAG_NO[] = "Nein";
const char FLAG_DOWN[] = "gedr\xFC"
                         "ckt";
const char FLAG_UP[] = "gel\xF6st";

constexpr std::int32_t BIT_EXTENDED = 1 << 24;
constexpr std::int32_t BIT_CONTEXT = 1 << 29;
constexpr std::int32_t BIT_PREVIOUS = 1 << 30;
constexpr std::int32_t BIT_TRANSITION = INT32_MIN; // bit 31

// Writes text at column col (1-based) of line.
void PutAt(TextLine& line, std::size_t col, const std::string& text) {
    GoToColumn(line, col);
    Put(line, text);
}

} // namespace

bool IsKeyboardMessage(unsigned message) {
    return message >= WM_KEYDOWN && message <= WM_SYSDEADCHAR;
}

bool IsCharacterMessage(unsigned message) {
    return message == WM_CHAR || message == WM_DEADCHAR || message == WM_SYSCHAR ||
           message == WM_SYSDEADCHAR;
}

std::string PickFlagText(std::int32_t mask, std::int32_t value, const char* textSet,
                         const char* textClear) {
    const char* text = (value & mask) != 0 ? textSet : textClear;
    std::string result(8, ' ');
    if (text != nullptr)
        result.replace(0, std::min<size_t>(8, std::strlen(text)), text,
                       std::min<size_t>(8, std::strlen(text)));
    return result;
}

std::string BuildKeyEventLine(unsigned message, std::uint32_t wParam, std::uint32_t lParam,
                              const std::string& keyName) {
    TextLine line = NewTextLine(static_cast<std::size_t>(LINE_WIDTH));

    // Other messages never reach the log; they would get a blank name column.
    if (IsKeyboardMessage(message))
        PutAt(line, 1, MESSAGE_NAMES[message - WM_KEYDOWN]);

    std::string keyLabel, virtKey, charCode, typed;
    if (IsCharacterMessage(message)) {
        virtKey = "   ";
        charCode = "0x" + HexField(wParam, 4, 4);
        typed = std::string(1, static_cast<char>(wParam & 0xFF));
    } else {
        const size_t end = keyName.find_last_not_of(' ');
        keyLabel = end == std::string::npos ? std::string() : keyName.substr(0, end + 1);
        virtKey = IntegerField(static_cast<std::int32_t>(wParam), 3);
        charCode = "      ";
        typed = " ";
    }
    const auto flags = static_cast<std::int32_t>(lParam);

    PutAt(line, 16, virtKey);
    PutAt(line, 20, TextField(keyLabel, 16));
    PutAt(line, 37, charCode);
    PutAt(line, 44, typed);
    PutAt(line, 50, IntegerField(static_cast<std::int16_t>(lParam & 0xFFFF), 4));
    PutAt(line, 59, IntegerField((lParam >> 16) & 0xFF, 3));
    PutAt(line, 65, PickFlagText(BIT_EXTENDED, flags, FLAG_YES, FLAG_NO).substr(0, 4));
    PutAt(line, 70, PickFlagText(BIT_CONTEXT, flags, FLAG_YES, FLAG_NO).substr(0, 4));
    PutAt(line, 75, PickFlagText(BIT_PREVIOUS, flags, FLAG_DOWN, FLAG_UP));
    PutAt(line, 84, PickFlagText(BIT_TRANSITION, flags, FLAG_UP, FLAG_DOWN));

    std::string& text = line.text;
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}
