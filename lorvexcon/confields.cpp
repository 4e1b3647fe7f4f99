#include "confields.h"

#include "textio.h"

FramePlacement FramePlacementFor(std::int16_t cx, std::int16_t cy) {
    // The factor is the single-precision 0.8 (a little above 0.8); the product is truncated.
    const double factor = static_cast<double>(0.8f);
    FramePlacement p;
    p.width = static_cast<std::int16_t>(cx * factor);
    p.height = static_cast<std::int16_t>(cy * factor);
    // 16-bit differences, halved toward zero.
    p.x = static_cast<std::int16_t>(static_cast<std::int16_t>(cx - p.width) / 2);
    p.y = static_cast<std::int16_t>(static_cast<std::int16_t>(cy - p.height) / 2);
    return p;
}

std::string ResultRecord(double x, double y) {
    std::string record = ResultLine(x, y);
    // A full x field would lose its first character to the line control and show another
    // number: it shows as a value that does not fit instead.
    const int xWidth = RESULT_LINE_FORMAT.value.width;
    if (record[0] != ' ')
        record.replace(0, xWidth, xWidth, '*');
    return record;
}

std::string IntegerText(std::int32_t v) {
    TextLine line = NewTextLine(INT_TEXT_CHARS);
    Put(line, IntegerShortest(v));
    return line.text;
}
