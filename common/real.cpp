#include "real.h"

#include <cmath>
#include <limits>

const char* ArithmeticFault::what() const noexcept
{
    switch (kind_) {
    case FaultKind::DivisionByZero: return "division by zero";
    case FaultKind::Overflow: return "overflow";
    case FaultKind::InvalidOperation: return "invalid operation";
    case FaultKind::Conversion: return "conversion of a text that is not a number";
    case FaultKind::Focus: return "focus moved to a hidden or disabled control";
    }
    return "arithmetic fault";
}

void raiseFault(FaultKind kind) { throw ArithmeticFault(kind); }

Real checked(double result)
{
    if (std::isnan(result))
        raiseFault(FaultKind::InvalidOperation);
    if (std::isinf(result))
        raiseFault(FaultKind::Overflow);
    return Real(result);
}

Real operator/(Real a, Real b)
{
    if (b.value() == 0.0)
        raiseFault(FaultKind::DivisionByZero);
    return checked(a.value() / b.value());
}

Real sqrt(Real x)
{
    if (x.value() < 0.0)
        raiseFault(FaultKind::InvalidOperation);
    return checked(std::sqrt(x.value()));
}

Real log(Real x)
{
    if (x.value() <= 0.0)
        raiseFault(FaultKind::InvalidOperation);
    return checked(std::log(x.value()));
}

Real exp(Real x) { return checked(std::exp(x.value())); }

Real pow(Real base, Real exponent)
{
    const double b = base.value();
    const double e = exponent.value();
    if (b == 0.0 && e < 0.0)
        raiseFault(FaultKind::DivisionByZero);
    if (b < 0.0 && e != std::floor(e))
        raiseFault(FaultKind::InvalidOperation);
    return checked(std::pow(b, e));
}

Real sin(Real x) { return checked(std::sin(x.value())); }
Real cos(Real x) { return checked(std::cos(x.value())); }
Real tan(Real x) { return checked(std::tan(x.value())); }
Real atan(Real x) { return checked(std::atan(x.value())); }
Real abs(Real x) { return Real(std::fabs(x.value())); }
Real floorNumber(Real x) { return Real(std::floor(x.value())); }

int sign(Real x) { return x.value() > 0.0 ? 1 : (x.value() < 0.0 ? -1 : 0); }

Single toSingle(Real v) { return Single(v); }

Single::Single(Real v)
{
    // Halfway between the largest float and 2^128 already rounds to infinity.
    constexpr double firstOverflow = 0x1.ffffffp127;
    const double d = v.value();
    if (!(std::fabs(d) < firstOverflow))
        raiseFault(FaultKind::Overflow);
    f_ = float(d);
}

namespace {
// Round half to even, then check the range of the target integer type.
template <typename Int> Int toInteger(Real v)
{
    const double rounded = std::nearbyint(v.value()); // the default rounding mode is to nearest, ties to even
    if (!(rounded >= double(std::numeric_limits<Int>::min()) && rounded <= double(std::numeric_limits<Int>::max())))
        raiseFault(FaultKind::Overflow);
    return Int(rounded);
}
} // namespace

std::int16_t toInteger16(Real v) { return toInteger<std::int16_t>(v); }
std::int32_t toInteger32(Real v) { return toInteger<std::int32_t>(v); }
