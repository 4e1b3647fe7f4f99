// libFuzzer target: the free-form reader on one dialog text. The first byte chooses the
// number and kinds of the targets; a value a read leaves alone keeps its sentinel, and every
// double that reads as a number gives a field of 24 characters.
#include "resultfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t count = 1 + (data[0] & 7);
    const unsigned kinds = data[0] >> 3;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    double doubles[8];
    std::int32_t ints[8];
    ReadTarget targets[8];
    for (std::size_t i = 0; i < count; ++i) {
        doubles[i] = -7.0;
        ints[i] = -7;
        targets[i] = (kinds >> (i % 5)) & 1 ? IntTarget(ints[i]) : DoubleTarget(doubles[i]);
    }
    const ReadStatus status = ReadFreeFormText(text, targets, count);
    if (status != ReadStatus::Ok && status != ReadStatus::SyntaxError &&
        status != ReadStatus::EndOfInput && status != ReadStatus::ConversionError) {
        std::abort();
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (ResultNumberField(doubles[i]).size() != RESULT_FIELD_WIDTH) {
            std::abort();
        }
    }
    // The same text once more, record by record as a file is read.
    RecordReader reader = RecordsFromText(text);
    (void)ReadFreeForm(reader, targets, count);
    return 0;
}
