// Text input and output of the programs: fixed-width number and text fields, lines built
// from fields, fixed-length platform texts, the free-form number reader and the run-time
// error report. Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Number and text fields: each returns exactly w characters (nothing for w <= 0).

// Fixed point with d decimals, rounded exactly (ties to even), right-justified. The point is
// always written, also for d = 0 ("2."). A 0 stands before the point only when the rounded
// magnitude is below 1 and there is room beside the sign; with d = 0 that 0 is the only digit
// and is required. No "-" when the value rounds to zero. w asterisks when too wide. NaN and
// the infinities are " NaN", " Infinity", " -Infinity" padded with blanks, or w asterisks
// when w is too small for them.
std::string DecimalField(double v, int w, int d);
// Right-justified, "-" before the first digit; w asterisks when it does not fit.
std::string IntegerField(long long v, int w);
// The digits alone, "-" before them for a negative value.
std::string IntegerShortest(long long v);
// Upper-case hexadecimal, leading zeros up to m digits (as many as fit in w), right-justified;
// w asterisks when the value needs more than w digits.
std::string HexField(unsigned long long v, int w, int m);
// Right-justified when shorter, cut to its first w characters when longer.
std::string TextField(const std::string& s, int w);

// A fixed-length line first filled with blanks; fields follow from column 1.
struct TextLine {
    std::string text;
    std::size_t column = 1; // 1-based, the next write position
};
TextLine NewTextLine(std::size_t length);
// Writes s at the current column and advances past it; what passes the end of the line is cut.
void Put(TextLine& line, const std::string& s);
// Writes n blanks.
void Skip(TextLine& line, std::size_t n);
// Continues at column col (1-based; 0 counts as 1).
void GoToColumn(TextLine& line, std::size_t col);

// Fixed-length texts handed to the platform: text, NUL, blanks (text cut to len - 1).
void SetFixedText(char* field, std::size_t len, const char* text);
// Whether a NUL inside a fixed-length text ends it, as the platform reads it, or is one of its
// characters.
enum class InnerNul { EndsText, InText };
// The length of the text a field of len characters holds: the characters before its first NUL
// (all len when it has none, or with InnerNul::InText), trailing blanks dropped.
std::size_t FixedTextLength(const char* field, std::size_t len, InnerNul nul = InnerNul::EndsText);
// That text as a string.
std::string FixedTextValue(const char* field, std::size_t len);
// Copies that text into a buffer of size characters, cut to size - 1, and a NUL behind it;
// returns how many characters it copied. The rest of the buffer is left as it is; a buffer of
// size 0 is not written.
std::size_t CopyFixedText(char* buffer, std::size_t size, const char* field, std::size_t len,
                          InnerNul nul = InnerNul::EndsText);

// Free-form reading.
enum class ReadStatus {
    Ok,
    SyntaxError,
    EndOfInput,
    ConversionError,
    RecordTooLong, // a record longer than MAX_RECORD_LENGTH
    ReadFailure    // the input could not be read
};
enum class TargetKind { Double, Int32 };
struct ReadTarget {
    TargetKind kind;
    void* value;
};
inline ReadTarget DoubleTarget(double& d) {
    return {TargetKind::Double, &d};
}
inline ReadTarget IntTarget(std::int32_t& i) {
    return {TargetKind::Int32, &i};
}

// The longest record a text may hold (without its line end). The records of the programs'
// files are far shorter; a longer line means the file is not one of them, and reading stops
// there instead of holding an unbounded line in memory.
constexpr std::size_t MAX_RECORD_LENGTH = 65536;

// What asking for the next record gives.
enum class RecordStatus {
    Ok,
    End,     // no further record
    TooLong, // the record is longer than MAX_RECORD_LENGTH
    NotText, // the record holds a NUL byte
    ReadFailed
};

// Records are taken one at a time, as the reads need them, so that nothing beyond the last
// record a read touches is ever looked at.
struct RecordReader {
    std::function<RecordStatus(std::string& record)> fetch; // stores the next record
    std::string record;                                     // the record being read
    std::size_t next = 0; // records used up so far: the next read starts with the one after
};

// Bytes for a reader: fills at most `size` bytes and returns how many, 0 at the end of the
// input, a negative count when reading failed.
using ByteSource = std::function<long long(char* buffer, std::size_t size)>;
// Records of a byte stream: split at LF, dropping a CR before it (and a CR that ends the
// input); a last line without LF is a record; an empty input has no records. A record with a
// NUL byte, or longer than MAX_RECORD_LENGTH, ends the input with that status. Memory stays
// bounded by one buffer and one record whatever the length of the input.
RecordReader RecordsFromStream(ByteSource source);
// The same for a text in memory.
RecordReader RecordsFromText(std::string text);
// One read: starts at the next record and goes on into the following records while it needs
// values; afterwards next counts the records it touched (the rest of the last one is
// ignored). Each value is stored in its target as soon as it is read, so a failure leaves the
// earlier targets set.
ReadStatus ReadFreeForm(RecordReader& in, const ReadTarget* targets, std::size_t count);
// A dialog text is one record (a NUL in it is a syntax error where a value is needed).
ReadStatus ReadFreeFormText(const std::string& text, const ReadTarget* targets, std::size_t count);

// Run-time error report of the text input and output.
enum class IoError {
    EndOfFile,
    SyntaxError,
    ConversionError,
    OpenFailure,
    FileNotFound,
    PermissionDenied,
    WriteReadOnly,
    InsufficientMemory, // a buffer the program allocates while it runs cannot be had
    InputRecordTooLong, // a line longer than MAX_RECORD_LENGTH
    ReadError,          // reading failed after the open
    WriteError          // writing, or putting the written file in place, failed after the open
};
int IoErrorNumber(IoError e);
const char* IoErrorText(IoError e);
// "severe (24): end-of-file during read, unit 7, file C:\dir\x.dat"; with an empty path the
// unit is left out as well: "severe (59): list-directed I/O syntax error".
std::string IoErrorReport(IoError e, int unit, const std::string& path);
// What a failed read status means as an error (Ok gives SyntaxError; callers check Ok first).
IoError IoErrorFromStatus(ReadStatus s);
