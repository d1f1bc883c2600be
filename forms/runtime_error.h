#pragma once
// A run-time error: raised by any failing window operation, property access,
// number conversion or floating-point fault. Nothing traps it; the forms
// runtime reports it in its standard message and ends the process with the
// error's number as its exit code.
#include <string>
#include <string_view>

namespace forms {

enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kInternalError = 51,
    kFileNotFound = 53,
    kObjectRequired = 424,      // a window or control that is not there
    kNotSupported = 438,        // a property the control does not have
    kEntryPointNotFound = 453,
    kOperationFailed = 5000,    // the platform refused a window operation
};

struct RuntimeError {
    ErrorNumber number;
    std::wstring description;
};

// The standard message of an error number.
std::wstring_view ErrorMessage(ErrorNumber number);

// Throws the error with its standard message, followed by ": detail" when a
// detail is given.
[[noreturn]] void Raise(ErrorNumber number, std::wstring_view detail = {});

// The status test after a platform call: false raises kOperationFailed.
inline void RaiseIfFailed(bool succeeded, std::wstring_view operation) {
    if (!succeeded) Raise(kOperationFailed, operation);
}

}  // namespace forms
