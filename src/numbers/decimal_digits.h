#pragma once

#include <array>

namespace numbers {

// A value cut to its first fifteen significant digits, as the user reads it,
// then rounded half away from zero at a given decimal place. Rounding the
// binary value instead would turn 0.15 (really 0.1499999...) into 0.1.
class DecimalDigits {
public:
    static constexpr int significant = 15;

    DecimalDigits(double value, int decimals);

    bool isZero() const { return count_ == 0; }
    bool isNegative() const { return negative_ && !isZero(); }
    // The power of ten of the leading digit; meaningless for zero.
    int exponent() const { return exponent_; }

    char digitAt(int power) const
    {
        const int index = exponent_ - power;
        return index >= 0 && index < count_ ? digits_[index] : '0';
    }

private:
    void roundAt(int decimals);
    void carryUp();
    void setToOne(int power);

    std::array<char, significant> digits_ {};
    int count_ = 0;
    int exponent_ = 0;
    bool negative_ = false;
};

} // namespace numbers
