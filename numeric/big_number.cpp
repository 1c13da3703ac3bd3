#include "numeric/big_number.h"

void BigNumber::multiply_add(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

std::uint32_t BigNumber::divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
        const std::uint64_t dividend = (remainder << 32) | *limb;
        *limb = static_cast<std::uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    return static_cast<std::uint32_t>(remainder);
}
