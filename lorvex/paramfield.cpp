#include "paramfield.h"

#include <cstring>
#include <string>

#include "textio.h"

void FormatParamField(double v, char* field) {
    std::string text = DecimalField(v, 17, 4);
    memset(field, ' ', PARAM_FIELD_LENGTH);
    memcpy(field, text.data(), 17);
    field[17] = '\0';
}

bool ReadParamField(const char* field, double& v) {
    // An emptied control leaves a NUL in front, which reads as no number.
    std::string text(field, PARAM_FIELD_LENGTH);
    ReadTarget target = DoubleTarget(v);
    return ReadFreeFormText(text, &target, 1) == ReadStatus::Ok;
}
