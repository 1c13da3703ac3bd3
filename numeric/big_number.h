#pragma once
#include <cstdint>
#include <vector>

// A non-negative whole number of any size, with just what radix conversion needs:
// digits go in by multiply-and-add and come out by division with remainder.
class BigNumber {
public:
    bool is_zero() const { return limbs_.empty(); }

    // *this = *this * factor + addend
    void multiply_add(std::uint32_t factor, std::uint32_t addend);

    // *this = *this / divisor, returning the remainder; divisor is not 0.
    std::uint32_t divide(std::uint32_t divisor);

private:
    std::vector<std::uint32_t> limbs_;  // least significant first, never a zero limb on top
};
