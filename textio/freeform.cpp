// Free-form reading of numbers.
//
// Choices where the rules leave room:
// - "+5", "5.", ".5" and "1e5" (exponent without sign) all read; "1.E5" does not, as the
//   exponent letter must follow a digit.
// - A repeat count must be a positive integer of digits alone: "0*5", "+2*5" and "*5" are
//   syntax errors. A huge count is simply more than any read needs.
// - r*v that covers more targets than the read still needs fills them; the rest of the repeat
//   is dropped with the rest of the record.
// - ")" ends a number but is no separator: "5)" reads as 5 when the read needs one value and
//   is a syntax error where a further value would start.
// - A value too small for a double (1e-400) reads as zero; one too large (1e999) is a
//   conversion error. An integer target truncates toward zero and rejects values outside
//   32 bits.
// - A read with no targets still uses up one record.
#include "textio.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}
bool IsExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
}
// What ends the text of one value.
bool EndsValue(char c) {
    return IsBlank(c) || c == ',' || c == '/' || c == ')';
}

// A number taken apart: sign, mantissa digits with their point, decimal exponent.
struct Number {
    bool negative = false;
    std::string_view mantissa; // digits and at most one point
    bool hasExponent = false;
    long exponent = 0; // saturated far beyond the range of a double
};

bool ParseNumber(std::string_view s, Number& n) {
    std::size_t i = 0;
    if (i < s.size() && IsSign(s[i])) {
        n.negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    bool point = false;
    while (i < s.size() && !IsExponentLetter(s[i])) {
        if (IsDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false; // letters, second point, sign inside, NUL, ...
        }
        ++i;
    }
    if (digits == 0) {
        return false;
    }
    n.mantissa = s.substr(start, i - start);
    if (i == s.size()) {
        return true;
    }
    if (!IsDigit(s[i - 1])) {
        return false; // the exponent letter must follow a digit
    }
    n.hasExponent = true;
    ++i;
    bool expNegative = false;
    if (i < s.size() && IsSign(s[i])) {
        expNegative = s[i] == '-';
        ++i;
    }
    if (i == s.size()) {
        return false;
    }
    long e = 0;
    for (; i < s.size(); ++i) {
        if (!IsDigit(s[i])) {
            return false;
        }
        e = std::min(e * 10 + (s[i] - '0'), 1000000L);
    }
    n.exponent = expNegative ? -e : e;
    return true;
}

// Decimal magnitude: the value lies in [10^(m-1), 10^m); 0 for a mantissa of zeros.
long Magnitude(const Number& n) {
    const std::size_t point = std::min(n.mantissa.find('.'), n.mantissa.size());
    const std::size_t first = n.mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const long shift =
        first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    return n.exponent + shift;
}

ReadStatus ToDouble(const Number& n, double& out) {
    std::string text(n.mantissa);
    text += 'e';
    text += std::to_string(n.exponent);
    double v = 0.0;
    const auto res =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (Magnitude(n) > 0) {
            return ReadStatus::ConversionError;
        }
        v = 0.0; // underflow
    } else if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(v)) {
        return ReadStatus::ConversionError;
    }
    out = n.negative ? -v : v;
    return ReadStatus::Ok;
}

ReadStatus ToInt32(const Number& n, std::int32_t& out) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (n.hasExponent) {
        double v = 0.0;
        const ReadStatus s = ToDouble(n, v);
        if (s != ReadStatus::Ok) {
            return s;
        }
        v = std::trunc(v);
        if (v < lo || v > hi) {
            return ReadStatus::ConversionError;
        }
        out = static_cast<std::int32_t>(v);
        return ReadStatus::Ok;
    }
    // Without an exponent the whole part is taken exactly, the fraction dropped.
    std::string_view whole = n.mantissa.substr(0, n.mantissa.find('.'));
    const std::size_t first = whole.find_first_not_of('0');
    whole = first == std::string_view::npos ? std::string_view() : whole.substr(first);
    if (whole.size() > 10) {
        return ReadStatus::ConversionError;
    }
    long long v = 0;
    for (char c : whole) {
        v = v * 10 + (c - '0');
    }
    if (n.negative) {
        v = -v;
    }
    if (v < static_cast<long long>(lo) || v > static_cast<long long>(hi)) {
        return ReadStatus::ConversionError;
    }
    out = static_cast<std::int32_t>(v);
    return ReadStatus::Ok;
}

ReadStatus Store(std::string_view text, const ReadTarget& target) {
    Number n;
    if (!ParseNumber(text, n)) {
        return ReadStatus::SyntaxError;
    }
    if (target.kind == TargetKind::Int32) {
        std::int32_t v = 0;
        const ReadStatus s = ToInt32(n, v);
        if (s == ReadStatus::Ok) {
            *static_cast<std::int32_t*>(target.value) = v;
        }
        return s;
    }
    double v = 0.0;
    const ReadStatus s = ToDouble(n, v);
    if (s == ReadStatus::Ok) {
        *static_cast<double*>(target.value) = v;
    }
    return s;
}

// "r*" prefix of a value: true with the count when text starts with digits and "*".
// Returns false with ok = false for a malformed count.
bool RepeatCount(std::string_view text, std::size_t& count, std::string_view& rest, bool& ok) {
    ok = true;
    const std::size_t star = text.find('*');
    if (star == std::string_view::npos) {
        return false;
    }
    const std::string_view digits = text.substr(0, star);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        ok = false;
        return false;
    }
    constexpr std::size_t cap = 1u << 30; // more than any read needs
    std::size_t r = 0;
    for (char c : digits) {
        r = std::min(r * 10 + static_cast<std::size_t>(c - '0'), cap);
    }
    if (r == 0) {
        ok = false;
        return false;
    }
    count = r;
    rest = text.substr(star + 1);
    return true;
}

} // namespace

namespace {

// Splits a byte stream into records. One buffer of input and the record being built are all
// it holds.
struct LineSplitter {
    ByteSource source;
    std::vector<char> buffer = std::vector<char>(65536);
    std::size_t begin = 0; // unread bytes of the buffer
    std::size_t end = 0;
    bool atEnd = false;
    RecordStatus failure = RecordStatus::Ok; // once set, every further fetch gives it

    RecordStatus Fail(RecordStatus s) {
        failure = s;
        return s;
    }

    RecordStatus Fetch(std::string& record) {
        record.clear();
        if (failure != RecordStatus::Ok) {
            return failure;
        }
        bool any = false;
        bool lineEnd = false;
        while (!lineEnd) {
            if (begin == end) {
                if (atEnd) {
                    break;
                }
                const long long got = source(buffer.data(), buffer.size());
                if (got < 0) {
                    return Fail(RecordStatus::ReadFailed);
                }
                if (got == 0) {
                    atEnd = true;
                    break;
                }
                begin = 0;
                end = static_cast<std::size_t>(got);
            }
            any = true;
            const char* from = buffer.data() + begin;
            const void* lf = std::memchr(from, '\n', end - begin);
            const std::size_t take =
                lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : end - begin;
            // One more than the limit leaves room for the CR that the line end drops.
            if (record.size() + take > MAX_RECORD_LENGTH + 1) {
                return Fail(RecordStatus::TooLong);
            }
            record.append(from, take);
            begin += take;
            if (lf) {
                ++begin;
                lineEnd = true;
            }
        }
        if (!any) {
            return RecordStatus::End;
        }
        if (!record.empty() && record.back() == '\r') {
            record.pop_back();
        }
        if (record.size() > MAX_RECORD_LENGTH) {
            return Fail(RecordStatus::TooLong);
        }
        if (std::memchr(record.data(), '\0', record.size()) != nullptr) {
            return Fail(RecordStatus::NotText);
        }
        return RecordStatus::Ok;
    }
};

// Takes the next record into in.record and counts it as used.
ReadStatus NextRecord(RecordReader& in) {
    switch (in.fetch(in.record)) {
    case RecordStatus::Ok: ++in.next; return ReadStatus::Ok;
    case RecordStatus::End: return ReadStatus::EndOfInput;
    case RecordStatus::TooLong: return ReadStatus::RecordTooLong;
    case RecordStatus::NotText: return ReadStatus::SyntaxError; // a NUL reads as no number
    case RecordStatus::ReadFailed: break;
    }
    return ReadStatus::ReadFailure;
}

} // namespace

RecordReader RecordsFromStream(ByteSource source) {
    auto splitter = std::make_shared<LineSplitter>();
    splitter->source = std::move(source);
    RecordReader reader;
    reader.fetch = [splitter](std::string& record) { return splitter->Fetch(record); };
    return reader;
}

RecordReader RecordsFromText(std::string text) {
    auto content = std::make_shared<std::string>(std::move(text));
    auto offset = std::make_shared<std::size_t>(0);
    return RecordsFromStream([content, offset](char* buffer, std::size_t size) -> long long {
        const std::size_t n = std::min(size, content->size() - *offset);
        std::memcpy(buffer, content->data() + *offset, n);
        *offset += n;
        return static_cast<long long>(n);
    });
}

ReadStatus ReadFreeForm(RecordReader& in, const ReadTarget* targets, std::size_t count) {
    if (targets == nullptr) {
        count = 0;
    }
    if (count == 0) {
        const ReadStatus s = NextRecord(in);
        return s == ReadStatus::EndOfInput ? ReadStatus::Ok : s;
    }
    const std::string& r = in.record;
    bool haveRecord = false;
    std::size_t pos = 0;
    bool afterValue = false; // a value was read and its separator has had no comma yet
    std::size_t t = 0;
    while (t < count) {
        // Skip blanks and line ends, and the one comma that may separate a value from the next.
        for (;;) {
            if (!haveRecord) {
                const ReadStatus s = NextRecord(in);
                if (s != ReadStatus::Ok) {
                    return s;
                }
                haveRecord = true;
                pos = 0;
            }
            while (pos < r.size() && IsBlank(r[pos])) {
                ++pos;
            }
            if (pos == r.size()) {
                haveRecord = false;
            } else if (r[pos] == ',' && afterValue) {
                afterValue = false;
                ++pos;
            } else {
                break;
            }
        }
        if (r[pos] == ',') {
            ++pos; // null value: its target keeps its value
            ++t;
            continue;
        }
        if (r[pos] == '/') {
            return ReadStatus::Ok;
        }
        std::size_t end = pos;
        while (end < r.size() && !EndsValue(r[end])) {
            ++end;
        }
        std::string_view text(r.data() + pos, end - pos);
        pos = end;
        afterValue = true;

        std::size_t repeat = 1;
        bool ok = true;
        if (RepeatCount(text, repeat, text, ok) && text.empty()) {
            t += std::min(repeat, count - t); // r null values
            continue;
        }
        if (!ok) {
            return ReadStatus::SyntaxError;
        }
        for (std::size_t k = 0; k < repeat && t < count; ++k, ++t) {
            const ReadStatus s = Store(text, targets[t]);
            if (s != ReadStatus::Ok) {
                return s;
            }
        }
    }
    return ReadStatus::Ok;
}

ReadStatus ReadFreeFormText(const std::string& text, const ReadTarget* targets, std::size_t count) {
    RecordReader reader;
    bool given = false;
    reader.fetch = [&text, &given](std::string& record) {
        if (given) {
            return RecordStatus::End;
        }
        given = true;
        record = text;
        return RecordStatus::Ok;
    };
    return ReadFreeForm(reader, targets, count);
}
