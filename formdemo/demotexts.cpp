#include "demotexts.h"

#include <cstdio>

#include "formula.h"

char aText[PARAM_FIELD_LENGTH];
char bText[PARAM_FIELD_LENGTH];
char xMinText[PARAM_FIELD_LENGTH];
char xMaxText[PARAM_FIELD_LENGTH];
char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];

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

bool ReadParamField(const char* field, double& v) {
    return ReadFieldValue(field, PARAM_FIELD_LENGTH, DoubleTarget(v));
}

bool ReadParamFields(const char* aText, const char* bText, const char* xMinText,
                     const char* xMaxText) {
    return ReadParamField(aText, formulaModel.a) && ReadParamField(bText, formulaModel.b) &&
           ReadParamField(xMinText, formulaModel.xMin) &&
           ReadParamField(xMaxText, formulaModel.xMax);
}

bool ReadFieldValue(const char* text, std::size_t length, ReadTarget target) {
    // An emptied control leaves a NUL in front, which reads as no number.
    return ReadFreeFormText(std::string(text, length), &target, 1) == ReadStatus::Ok;
}

std::string MItemText(int k) {
    TextLine line = NewTextLine(M_ITEM_LENGTH);
    Put(line, IntegerField(k - M_ITEM_OFFSET, M_ITEM_FORMAT.width));
    return line.text;
}

std::string FileDialogFailureText(std::uint32_t code, bool saving) {
    const char* outcome = saving ? "Nothing was saved." : "Nothing was loaded.";
    if (ClassifyFileDialogFailure(code) == FileDialogFailureKind::PathTooLong)
        return std::string("The path of the chosen file is too long. ") + outcome;
    char text[80];
    snprintf(text, sizeof text, "The file dialog failed (error 0x%04lX). %s",
             static_cast<unsigned long>(code), outcome);
    return text;
}
