#include "resultfile.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

#ifdef _WIN32
// Only for replacing an existing file by rename, which the C runtime's rename refuses.
#include <windows.h>
#endif

// Paths stay narrow strings throughout: on Windows they are in the ANSI code page that the
// file dialogs deliver, which std::filesystem would take for UTF-8.

namespace {

// Scientific digits of a magnitude with `precision` decimals: the digit string without the
// point, and the decimal exponent. to_chars rounds the exact binary value, ties to even.
void ScientificDigits(double magnitude, int precision, std::string& digits, int& exponent) {
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, precision);
    const std::string text(buf, res.ptr);
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            digits += text[i];
        }
    }
    exponent = std::atoi(text.c_str() + e + 1);
}

std::string RightJustify(const std::string& text, std::size_t width) {
    return std::string(width - text.size(), ' ') + text;
}

IoError OpenError(int err) {
    if (err == ENOENT || err == ENOTDIR) {
        return IoError::FileNotFound;
    }
    if (err == EACCES || err == EPERM) {
        return IoError::PermissionDenied;
    }
    return IoError::OpenFailure;
}

bool PathExists(const std::string& path, struct stat& st) {
    return ::stat(path.c_str(), &st) == 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

std::string ResultNumberField(double v) {
    if (std::isnan(v)) {
        return " NaN" + std::string(20, ' ');
    }
    if (std::isinf(v)) {
        return v > 0 ? " Infinity" + std::string(15, ' ') : " -Infinity" + std::string(14, ' ');
    }
    if (v == 0.0) {
        return "  0.000000000000000E+000";
    }
    const std::string sign = std::signbit(v) ? "-" : "";
    const double magnitude = std::fabs(v);

    // The form is chosen on the value rounded to 15 significant digits.
    std::string digits;
    int exponent = 0;
    ScientificDigits(magnitude, 14, digits, exponent);
    if (exponent >= -1 && exponent <= 14) {
        std::string text;
        if (exponent < 0) {
            text = "0." + digits;
        } else {
            text = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
        }
        return RightJustify(sign + text, 19) + std::string(5, ' ');
    }

    ScientificDigits(magnitude, 15, digits, exponent);
    if (exponent == 308 && digits > "1797693134862315") {
        // Rounded up, the largest doubles would be written beyond the range of a double
        // and the file could not be loaded again; they keep the digit below instead.
        digits = "1797693134862315";
    }
    const int e = exponent < 0 ? -exponent : exponent; // at most 324
    const char exponentText[] = {'E',
                                 exponent < 0 ? '-' : '+',
                                 static_cast<char>('0' + e / 100),
                                 static_cast<char>('0' + e / 10 % 10),
                                 static_cast<char>('0' + e % 10),
                                 '\0'};
    return RightJustify(sign + digits.substr(0, 1) + "." + digits.substr(1) + exponentText,
                        RESULT_FIELD_WIDTH);
}

std::string ResultFileContent(const ResultTable& t) {
    std::string content;
    content.reserve(RESULT_FILE_SIZE);
    for (int i = 0; i < POINT_COUNT; ++i) {
        content += ResultNumberField(t.xValues[i]);
        content += ResultNumberField(t.yValues[i]);
        content += "\r\n";
    }
    return content;
}

bool ReadResultTable(RecordReader& reader, ResultTable& table, IoError& error) {
    // Into a copy: a file that fails half-way must not leave half a table behind.
    ResultTable scratch = table;
    for (int i = 0; i < POINT_COUNT; ++i) {
        const ReadTarget targets[2] = {DoubleTarget(scratch.xValues[i]),
                                       DoubleTarget(scratch.yValues[i])};
        const ReadStatus status = ReadFreeForm(reader, targets, 2);
        if (status != ReadStatus::Ok) {
            error = IoErrorFromStatus(status);
            return false;
        }
    }
    table = scratch;
    return true;
}

bool ParseResultFile(const std::string& content, ResultTable& table, IoError& error) {
    RecordReader reader = RecordsFromText(content);
    return ReadResultTable(reader, table, error);
}

bool ReadResultFile(const std::string& path, ResultTable& table, IoError& error) {
    struct stat st;
    if (PathExists(path, st) && S_ISDIR(st.st_mode)) {
        error = IoError::OpenFailure;
        return false;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = OpenError(errno);
        return false;
    }
    // Line by line from the file: what follows the records the reads take is never read.
    RecordReader reader = RecordsFromStream([file](char* buffer, std::size_t size) -> long long {
        const std::size_t got = std::fread(buffer, 1, size, file);
        return got == 0 && std::ferror(file) ? -1 : static_cast<long long>(got);
    });
    const bool ok = ReadResultTable(reader, table, error);
    std::fclose(file);
    return ok;
}

bool WriteResultFile(const std::string& path, const ResultTable& table, IoError& error) {
    std::string target = path;
#ifndef _WIN32
    // Save through a symbolic link into the file it names, not over the link itself.
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
#endif
    struct stat st;
    const bool exists = PathExists(target, st);
    if (target.empty() || (exists && S_ISDIR(st.st_mode))) {
        error = IoError::OpenFailure;
        return false;
    }
    // Decided on the file's attributes, not on access rights: a privileged user must not
    // overwrite a file marked read-only either.
    if (exists && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        error = IoError::WriteReadOnly;
        return false;
    }

    // A name beside the target (same folder, so the rename stays on one volume) that no
    // other file has, as long as the target's: the target's last character replaced by a
    // mark. A longer name would fail where the target's path or name is at the system's limit.
    static constexpr char TEMP_MARKS[] = "~0123456789_abcdefghijklmnopqrstuvwxyz";
    std::string temp;
    std::FILE* file = nullptr;
    for (const char* mark = TEMP_MARKS; *mark != '\0' && !file; ++mark) {
        if (*mark == target.back())
            continue;
        temp = target;
        temp.back() = *mark;
        struct stat other;
        if (PathExists(temp, other)) {
            continue;
        }
        errno = 0;
        file = std::fopen(temp.c_str(), "wb");
        if (!file) {
            error = OpenError(errno);
            return false;
        }
    }
    if (!file) {
        error = IoError::OpenFailure;
        return false;
    }

    const std::string content = ResultFileContent(table);
    bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
#ifndef _WIN32
    if (ok && exists) {
        // The new file keeps the old one's permissions.
        ::chmod(temp.c_str(), st.st_mode & 07777);
    }
#endif
    // Whatever fails from here on (a full disk, a target that another program holds open)
    // happened after the open: it is a write error, and the temporary file goes.
    if (!ok || !ReplaceFile(temp, target)) {
        std::remove(temp.c_str());
        error = IoError::WriteError;
        return false;
    }
    return true;
}

std::string ResultFilePath(const char* field, std::size_t len) {
    return FixedTextValue(field, len);
}
