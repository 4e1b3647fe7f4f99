#include "demotexts.h"

#include "textio.h"

namespace {

std::string Decimal(double v, DecimalFormat f) {
    return DecimalField(v, f.width, f.decimals);
}

} // namespace

std::string ResultLine(double x, double y) {
    TextLine line = NewTextLine(RESULT_LINE_CHARS);
    Put(line, Decimal(x, RESULT_LINE_FORMAT.value));
    Skip(line, RESULT_LINE_FORMAT.gap);
    Put(line, Decimal(y, RESULT_LINE_FORMAT.value));
    return line.text;
}

std::string ParamText(double v) {
    TextLine line = NewTextLine(PARAM_FIELD_LENGTH);
    Put(line, Decimal(v, PARAM_FORMAT));
    return line.text;
}

std::string MItemText(int k) {
    TextLine line = NewTextLine(M_ITEM_LENGTH);
    Put(line, IntegerField(k - M_ITEM_OFFSET, M_ITEM_FORMAT.width));
    return line.text;
}
