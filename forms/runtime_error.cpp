#include "forms/runtime_error.h"

namespace forms {

std::wstring_view ErrorMessage(ErrorNumber number) {
    switch (number) {
    case kInvalidProcedureCall: return L"Invalid procedure call or argument";
    case kOverflow: return L"Overflow";
    case kOutOfMemory: return L"Out of memory";
    case kDivisionByZero: return L"Division by zero";
    case kTypeMismatch: return L"Type mismatch";
    case kInternalError: return L"Internal error";
    case kFileNotFound: return L"File not found";
    case kObjectRequired: return L"Object required";
    case kNotSupported: return L"Object doesn't support this property or method";
    case kEntryPointNotFound: return L"Can't find DLL entry point";
    case kOperationFailed: return L"Method failed";
    }
    return L"Application-defined or object-defined error";
}

void Raise(ErrorNumber number, std::wstring_view detail) {
    std::wstring description(ErrorMessage(number));
    if (!detail.empty()) description.append(L": ").append(detail);
    throw RuntimeError{number, std::move(description)};
}

}  // namespace forms
