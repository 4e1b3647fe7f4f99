#include "textio.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

std::string Asterisks(int w) {
    return std::string(static_cast<std::size_t>(w), '*');
}

std::string RightJustify(const std::string& s, int w) {
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// A special value left-justified after its leading blank, or asterisks when it does not fit.
std::string SpecialField(const char* text, int w) {
    const std::size_t len = std::strlen(text);
    if (len > static_cast<std::size_t>(w)) {
        return Asterisks(w);
    }
    return text + std::string(static_cast<std::size_t>(w) - len, ' ');
}

} // namespace

std::string DecimalField(double v, int w, int d) {
    if (w <= 0) {
        return std::string();
    }
    if (std::isnan(v)) {
        return SpecialField(" NaN", w);
    }
    if (std::isinf(v)) {
        return SpecialField(v > 0 ? " Infinity" : " -Infinity", w);
    }
    d = std::max(d, 0);
    if (d >= w) {
        return Asterisks(w); // the point alone takes a column
    }
    // Largest double has 309 integer digits; d < w keeps the buffer bounded by the field.
    std::string digits(320 + static_cast<std::size_t>(d), '\0');
    const auto res = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(v),
                                   std::chars_format::fixed, d);
    if (res.ec != std::errc()) {
        return Asterisks(w);
    }
    digits.resize(static_cast<std::size_t>(res.ptr - digits.data()));

    const std::size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    const bool nonZero = digits.find_first_of("123456789") != std::string::npos;
    const bool negative = std::signbit(v) && nonZero;

    std::string body = "." + fraction;
    const bool zeroOptional = whole == "0" && d > 0;
    if (!zeroOptional) {
        body = whole + body;
    }
    if (negative) {
        body = "-" + body;
    }
    if (body.size() > static_cast<std::size_t>(w)) {
        return Asterisks(w);
    }
    if (zeroOptional && body.size() < static_cast<std::size_t>(w)) {
        body.insert(negative ? 1 : 0, "0");
    }
    return RightJustify(body, w);
}

std::string IntegerShortest(long long v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string IntegerField(long long v, int w) {
    if (w <= 0) {
        return std::string();
    }
    const std::string s = IntegerShortest(v);
    if (s.size() > static_cast<std::size_t>(w)) {
        return Asterisks(w);
    }
    return RightJustify(s, w);
}

std::string HexField(unsigned long long v, int w, int m) {
    if (w <= 0) {
        return std::string();
    }
    char buf[20];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, 16);
    std::string s(buf, res.ptr);
    if (s.size() > static_cast<std::size_t>(w)) {
        return Asterisks(w);
    }
    for (char& c : s) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    const std::size_t minDigits = static_cast<std::size_t>(std::clamp(m, 0, w));
    if (s.size() < minDigits) {
        s.insert(0, minDigits - s.size(), '0');
    }
    return RightJustify(s, w);
}

std::string TextField(const std::string& s, int w) {
    if (w <= 0) {
        return std::string();
    }
    if (s.size() >= static_cast<std::size_t>(w)) {
        return s.substr(0, static_cast<std::size_t>(w));
    }
    return RightJustify(s, w);
}

TextLine NewTextLine(std::size_t length) {
    TextLine line;
    line.text.assign(length, ' ');
    return line;
}

void Put(TextLine& line, const std::string& s) {
    const std::size_t start = line.column - 1;
    if (start < line.text.size()) {
        const std::size_t n = std::min(s.size(), line.text.size() - start);
        line.text.replace(start, n, s, 0, n);
    }
    line.column += s.size();
}

void Skip(TextLine& line, std::size_t n) {
    const std::size_t start = line.column - 1;
    if (start < line.text.size()) {
        const std::size_t room = std::min(n, line.text.size() - start);
        line.text.replace(start, room, room, ' ');
    }
    line.column += n;
}

void GoToColumn(TextLine& line, std::size_t col) {
    line.column = std::max<std::size_t>(col, 1);
}

void SetFixedText(char* field, std::size_t len, const char* text) {
    if (field == nullptr || len == 0) {
        return;
    }
    std::size_t n = 0;
    if (text != nullptr) {
        while (n < len - 1 && text[n] != '\0') {
            ++n;
        }
        std::memcpy(field, text, n);
    }
    field[n] = '\0';
    std::memset(field + n + 1, ' ', len - n - 1);
}

std::size_t FixedTextLength(const char* field, std::size_t len, InnerNul nul) {
    std::size_t n = len;
    if (nul == InnerNul::EndsText) {
        const void* end = std::memchr(field, '\0', len);
        if (end != nullptr) {
            n = static_cast<std::size_t>(static_cast<const char*>(end) - field);
        }
    }
    while (n > 0 && field[n - 1] == ' ') {
        --n;
    }
    return n;
}

std::string FixedTextValue(const char* field, std::size_t len) {
    if (field == nullptr) {
        return std::string();
    }
    return std::string(field, FixedTextLength(field, len));
}

std::size_t CopyFixedText(char* buffer, std::size_t size, const char* field, std::size_t len,
                          InnerNul nul) {
    if (size == 0) {
        return 0;
    }
    const std::size_t n = std::min(FixedTextLength(field, len, nul), size - 1);
    std::memcpy(buffer, field, n);
    buffer[n] = '\0';
    return n;
}
