// libFuzzer target: any bytes as a result file. The reader must not crash, a failed load
// must leave the table as it was, and a loaded table must be written and read back to the
// same text.
#include "resultfile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    ResultTable table;
    for (int i = 0; i < POINT_COUNT; ++i) {
        table.xValues[i] = i;
        table.yValues[i] = -i;
    }
    const ResultTable before = table;
    IoError error{};
    if (!ParseResultFile(content, table, error)) {
        if (std::memcmp(&table, &before, sizeof table) != 0 || IoErrorText(error) == nullptr) {
            std::abort();
        }
        return 0;
    }
    // What was loaded saves to 5000 bytes, and loads again to the same text, unless the file
    // held values beyond the range that reads back (written as NaN or Infinity).
    const std::string written = ResultFileContent(table);
    if (written.size() != RESULT_FILE_SIZE) {
        std::abort();
    }
    if (written.find("NaN") == std::string::npos && written.find("Inf") == std::string::npos) {
        ResultTable again = before;
        if (!ParseResultFile(written, again, error) || ResultFileContent(again) != written) {
            std::abort();
        }
    }
    return 0;
}
