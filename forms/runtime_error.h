#pragma once
// A run-time error: raised by any failing window operation, property access,
// number conversion or floating-point fault. Nothing traps it; the forms
// runtime reports it in its standard message and ends the process.
#include <string>

namespace forms {

enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kObjectNotFound = 424,      // a window or control that is not there
    kEntryPointNotFound = 453,
    kOperationFailed = 5000,    // the platform refused a window operation
};

struct RuntimeError {
    int number;
    std::wstring description;
};

}  // namespace forms
