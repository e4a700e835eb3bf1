#pragma once
// The numbers a calculator works with.
//
// `Real` is a double that refuses to become infinite or "not a number": a division by zero, an
// overflow, the root or logarithm of a negative number raise an ArithmeticFault, which the window
// base turns into a message for the user. Window code writes plain arithmetic with Real values and
// gets the checks for free; there is deliberately no implicit way back to double.
//
// `Single` is a value held in single precision: every assignment rounds it to a 32-bit float, and a
// value outside the float range is an overflow fault. It reads as a Real.

#include <cstdint>
#include <exception>

enum class FaultKind {
    DivisionByZero,
    Overflow,
    InvalidOperation, // root or logarithm of a negative number, log(0), negative base to a fractional power
    Conversion,       // a text that is not a number read back with the regional separators
    Focus,            // the focus moved to a hidden or disabled control
};

class ArithmeticFault : public std::exception {
public:
    explicit ArithmeticFault(FaultKind kind) : kind_(kind) {}
    FaultKind kind() const { return kind_; }
    const char* what() const noexcept override;

private:
    FaultKind kind_;
};

[[noreturn]] void raiseFault(FaultKind kind);

class Real {
public:
    constexpr Real() = default;
    constexpr Real(double v) : v_(v) {} // NOLINT: constants and integers become Real implicitly
    constexpr double value() const { return v_; }

    Real& operator+=(Real o);
    Real& operator-=(Real o);
    Real& operator*=(Real o);
    Real& operator/=(Real o);

private:
    double v_ = 0.0;
};

// The result of an operation, checked: infinity is an overflow, NaN an invalid operation.
Real checked(double result);

inline Real operator+(Real a, Real b) { return checked(a.value() + b.value()); }
inline Real operator-(Real a, Real b) { return checked(a.value() - b.value()); }
inline Real operator*(Real a, Real b) { return checked(a.value() * b.value()); }
Real operator/(Real a, Real b);
inline Real operator-(Real a) { return Real(-a.value()); }
inline Real operator+(Real a) { return a; }

inline bool operator==(Real a, Real b) { return a.value() == b.value(); }
inline bool operator!=(Real a, Real b) { return a.value() != b.value(); }
inline bool operator<(Real a, Real b) { return a.value() < b.value(); }
inline bool operator<=(Real a, Real b) { return a.value() <= b.value(); }
inline bool operator>(Real a, Real b) { return a.value() > b.value(); }
inline bool operator>=(Real a, Real b) { return a.value() >= b.value(); }

inline Real& Real::operator+=(Real o) { return *this = *this + o; }
inline Real& Real::operator-=(Real o) { return *this = *this - o; }
inline Real& Real::operator*=(Real o) { return *this = *this * o; }
inline Real& Real::operator/=(Real o) { return *this = *this / o; }

// Checked mathematics. Names follow the usual ones so that formulas read as on paper.
Real sqrt(Real x);            // x < 0: invalid operation
Real log(Real x);             // natural logarithm; x <= 0: invalid operation
Real exp(Real x);             // overflow beyond the double range
Real pow(Real base, Real exponent); // the ^ of a formula: 0 to a negative power divides by zero,
                                     // a negative base with a fractional exponent is invalid
Real sin(Real x);
Real cos(Real x);
Real tan(Real x);
Real atan(Real x);
Real abs(Real x);
Real floorNumber(Real x);     // the greatest whole number not above x (-2.5 gives -3)
int sign(Real x);             // -1, 0 or 1

class Single {
public:
    constexpr Single() = default;
    Single(Real v); // NOLINT: storing a value rounds it; beyond the float range it is an overflow fault
    operator Real() const { return Real(double(f_)); } // NOLINT
    float raw() const { return f_; }

private:
    float f_ = 0.0f;
};

// v rounded to a 32-bit float; a magnitude beyond the single-precision range is an overflow fault.
Single toSingle(Real v);
// Rounded to the nearest whole number, exact halves to the even neighbour; out of range is an overflow fault.
std::int16_t toInteger16(Real v);
std::int32_t toInteger32(Real v);
