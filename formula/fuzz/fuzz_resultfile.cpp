// libFuzzer target: any bytes as a result file. The reader must not crash, a failed load
// must leave the table as it was, and a loaded table must be written and read back to the
// values it shows.
#include "resultfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Within the rounding of a 15-digit decimal and its conversion back (subnormals have fewer
// digits of their own, hence the absolute allowance).
bool CloseEnough(double written, double read) {
    return std::fabs(written - read) <= 1e-14 * std::fabs(written) + 1e-320;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    ResultTable table;
    for (int i = 0; i < POINT_COUNT; ++i) {
        table.xValues[i] = i;
        table.yValues[i] = -i;
    }
    const ResultTable before = table;
    IoError error{};
    const bool loaded = ParseResultFile(content, table, error);

    // The same bytes arriving in small pieces, as from a file, load the same.
    const std::size_t piece = 1 + (size > 0 ? data[0] % 13 : 0);
    std::size_t offset = 0;
    RecordReader pieces = RecordsFromStream([&](char* buffer, std::size_t room) -> long long {
        const std::size_t n = std::min({room, piece, size - offset});
        std::memcpy(buffer, data + offset, n);
        offset += n;
        return static_cast<long long>(n);
    });
    ResultTable streamed = before;
    IoError streamError{};
    if (ReadResultTable(pieces, streamed, streamError) != loaded ||
        std::memcmp(&streamed, &table, sizeof table) != 0 || (!loaded && streamError != error)) {
        std::abort();
    }

    if (!loaded) {
        if (std::memcmp(&table, &before, sizeof table) != 0 || IoErrorText(error) == nullptr) {
            std::abort();
        }
        return 0;
    }
    // What was loaded saves to 5000 bytes and loads again, unless the file held values beyond
    // the range that reads back (written as NaN or Infinity). The file keeps 15 significant
    // digits (16 in the exponent form), so the values come back to within that, not always to the
    // last bit.
    const std::string written = ResultFileContent(table);
    if (written.size() != RESULT_FILE_SIZE) {
        std::abort();
    }
    if (written.find("NaN") == std::string::npos && written.find("Inf") == std::string::npos) {
        ResultTable again = before;
        if (!ParseResultFile(written, again, error)) {
            std::abort();
        }
        for (int i = 0; i < POINT_COUNT; ++i) {
            if (!CloseEnough(table.xValues[i], again.xValues[i]) ||
                !CloseEnough(table.yValues[i], again.yValues[i])) {
                std::abort();
            }
        }
    }
    return 0;
}
