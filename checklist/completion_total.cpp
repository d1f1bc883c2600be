#include "checklist/completion_total.h"

#include <cfenv>
#include <cmath>

#include "forms/number_text.h"
#include "forms/runtime_error.h"

namespace {

// Above this the hundredths are below a double's resolution anyway, and
// scaling by 100 could overflow.
constexpr double kRoundingLimit = 1e15;

void RaiseFloatingPointFault(double result) {
    if (std::fetestexcept(FE_INVALID) || std::isnan(result)) forms::Raise(forms::kInvalidProcedureCall);
    if (std::fetestexcept(FE_DIVBYZERO)) forms::Raise(forms::kDivisionByZero);
    if (std::fetestexcept(FE_OVERFLOW) || std::isinf(result)) forms::Raise(forms::kOverflow);
}

// Every weight is a whole number of hundredths, so the true total is too;
// rounding here drops the last-bit error of each step before it can build up
// into a residue such as 6.68000000000001 or 9.99200722162641E-15.
double RoundToHundredths(double value) {
    if (std::fabs(value) >= kRoundingLimit) return value;
    double rounded = std::round(value * 100) / 100;
    return rounded == 0 ? 0.0 : rounded;
}

}  // namespace

std::wstring ApplyTick(std::wstring_view total, std::wstring_view writtenWith, double weight, bool ticked,
                       std::wstring_view decimalSeparator) {
    std::feclearexcept(FE_ALL_EXCEPT);
    const double current = forms::TextToNumber(total, writtenWith);
    // volatile keeps the arithmetic between the flag clearing and the test.
    volatile double moved = ticked ? current + weight : current - weight;
    const double result = moved;
    RaiseFloatingPointFault(result);
    return forms::NumberToText(RoundToHundredths(result), decimalSeparator);
}
