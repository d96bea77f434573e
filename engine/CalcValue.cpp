#include "CalcValue.h"

#include <cmath>

#include "CalcError.h"
#include "Decimal.h"

namespace zorvane {

CalcValue CalcValue::int16(std::int16_t value) {
    CalcValue v;
    v.kind_ = Kind::Int16;
    v.int16_ = value;
    return v;
}

CalcValue CalcValue::float32(float value) {
    CalcValue v;
    v.kind_ = Kind::Float32;
    v.float32_ = value;
    return v;
}

CalcValue CalcValue::float64(double value) {
    CalcValue v;
    v.kind_ = Kind::Float64;
    v.float64_ = value;
    return v;
}

double CalcValue::toDouble() const {
    switch (kind_) {
        case Kind::Empty:
            return 0.0;
        case Kind::Int16:
            return int16_;
        case Kind::Float32:
            return float32_;
        case Kind::Float64:
            return float64_;
    }
    return 0.0;
}

CalcValue CalcValue::negated() const {
    switch (kind_) {
        case Kind::Empty:
            return int16(0);
        case Kind::Int16:
            // The only integer the calculator holds is the 0 of a reset.
            return int16(static_cast<std::int16_t>(-int16_));
        case Kind::Float32:
            return float32(-float32_);
        case Kind::Float64:
            return float64(-float64_);
    }
    return int16(0);
}

namespace {

CalcValue finiteResult(double result) {
    if (!std::isfinite(result)) {
        throw CalcError(CalcFailure::Overflow);
    }
    return CalcValue::float64(result);
}

}  // namespace

CalcValue operator+(const CalcValue& a, const CalcValue& b) {
    return finiteResult(
        nearestDouble(exactSum(readDecimal(a.toDouble()), readDecimal(b.toDouble()))));
}

CalcValue operator-(const CalcValue& a, const CalcValue& b) {
    return finiteResult(
        nearestDouble(exactSum(readDecimal(a.toDouble()), negated(readDecimal(b.toDouble())))));
}

CalcValue operator*(const CalcValue& a, const CalcValue& b) {
    return finiteResult(a.toDouble() * b.toDouble());
}

CalcValue operator/(const CalcValue& a, const CalcValue& b) {
    const double divisor = b.toDouble();
    if (divisor == 0.0) {
        // 0 / 0 has no value at all; anything else over 0 is a division by zero.
        throw CalcError(a.toDouble() == 0.0 ? CalcFailure::Overflow : CalcFailure::DivisionByZero);
    }
    return finiteResult(a.toDouble() / divisor);
}

}  // namespace zorvane
