#include "paramread.h"

#include <string>

#include "demotexts.h"
#include "formula.h"

bool ReadParamField(const char* field, double& v) {
    return ReadFieldValue(field, PARAM_FIELD_LENGTH, DoubleTarget(v));
}

bool ReadParamFields(const char* aField, const char* bField, const char* xMinField,
                     const char* xMaxField) {
    return ReadParamField(aField, formulaModel.a) && ReadParamField(bField, formulaModel.b) &&
           ReadParamField(xMinField, formulaModel.xMin) &&
           ReadParamField(xMaxField, formulaModel.xMax);
}

bool ReadFieldValue(const char* text, std::size_t length, ReadTarget target) {
    // An emptied control leaves a NUL in front, which reads as no number.
    return ReadFreeFormText(std::string(text, length), &target, 1) == ReadStatus::Ok;
}
