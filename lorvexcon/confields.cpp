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
    TextLine line = NewTextLine(RESULT_RECORD_CHARS);
    std::string xField = DecimalField(x, RESULT_FIELD_CHARS, 4);
    // A full x field would lose its first character to the line control and show another
    // number: it shows as a value that does not fit instead.
    if (xField[0] != ' ')
        xField.assign(RESULT_FIELD_CHARS, '*');
    Put(line, xField);
    Skip(line, 3);
    Put(line, DecimalField(y, RESULT_FIELD_CHARS, 4));
    return line.text;
}

std::string ParamText(double v) {
    TextLine line = NewTextLine(PARAM_TEXT_CHARS);
    Put(line, DecimalField(v, 17, 4));
    return line.text;
}

std::string MItemText(int k) {
    TextLine line = NewTextLine(M_TEXT_CHARS);
    Put(line, IntegerField(k - M_ITEM_OFFSET, 2));
    return line.text;
}

std::string IntegerText(std::int32_t v) {
    TextLine line = NewTextLine(INT_TEXT_CHARS);
    Put(line, IntegerShortest(v));
    return line.text;
}
