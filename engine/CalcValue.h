#pragma once

#include <cstdint>

namespace zorvane {

// A tagged number: empty, 16-bit integer, 32-bit float or 64-bit float.
// Empty counts as 0. The four operations give a 64-bit float: + and - the one
// nearest to the exact sum of the operands as a person reads them (15
// significant digits, as the displays show them), so that 0.1 + 0.2 - 0.3 is
// 0; * and / are carried out in 64-bit floating point.
class CalcValue {
public:
    enum class Kind : std::uint8_t { Empty, Int16, Float32, Float64 };

    CalcValue() = default;
    static CalcValue int16(std::int16_t value);
    static CalcValue float32(float value);
    static CalcValue float64(double value);

    Kind kind() const { return kind_; }
    double toDouble() const;
    // The negated value of the same kind; empty becomes integer 0.
    CalcValue negated() const;

    std::int16_t asInt16() const { return int16_; }
    float asFloat32() const { return float32_; }
    double asFloat64() const { return float64_; }

    // The same kind holding the same number.
    bool operator==(const CalcValue&) const = default;

private:
    Kind kind_ = Kind::Empty;
    std::int16_t int16_ = 0;
    float float32_ = 0.0f;
    double float64_ = 0.0;
};

// Throw CalcError: Overflow when the 64-bit result is not finite; division by
// zero when the divisor is 0 and the dividend is not, Overflow for 0 / 0.
CalcValue operator+(const CalcValue& a, const CalcValue& b);
CalcValue operator-(const CalcValue& a, const CalcValue& b);
CalcValue operator*(const CalcValue& a, const CalcValue& b);
CalcValue operator/(const CalcValue& a, const CalcValue& b);

}  // namespace zorvane
