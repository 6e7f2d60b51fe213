#include "numbers/decimal_digits.h"

#include <algorithm>
#include <charconv>

namespace numbers {

DecimalDigits::DecimalDigits(double value, int decimals)
{
    if (value == 0.0)
        return;
    std::array<char, 32> text {};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::scientific, significant - 1);
    const char* cursor = text.data();
    negative_ = *cursor == '-';
    cursor += negative_ ? 1 : 0;
    // "d.dddddddddddddde[+-]x": one digit, the point, then the rest.
    digits_[0] = *cursor;
    std::copy_n(cursor + 2, significant - 1, digits_.begin() + 1);
    cursor += 2 + (significant - 1) + 1;
    cursor += *cursor == '+' ? 1 : 0;
    std::from_chars(cursor, written.ptr, exponent_);
    roundAt(decimals);
}

void DecimalDigits::roundAt(int decimals)
{
    const int kept = exponent_ + decimals + 1;
    if (kept >= significant) {
        count_ = significant;
        return;
    }
    if (kept < 0 || (kept == 0 && digits_[0] < '5'))
        return; // everything lies below half the last place
    if (kept == 0) {
        setToOne(-decimals);
        return;
    }
    count_ = kept;
    if (digits_[kept] >= '5')
        carryUp();
}

void DecimalDigits::carryUp()
{
    for (int index = count_ - 1; index >= 0; --index) {
        if (digits_[index] != '9') {
            ++digits_[index];
            return;
        }
        digits_[index] = '0';
    }
    setToOne(exponent_ + 1);
}

void DecimalDigits::setToOne(int power)
{
    digits_[0] = '1';
    count_ = 1;
    exponent_ = power;
}

} // namespace numbers
