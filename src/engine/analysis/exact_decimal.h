// Ratios of whole numbers written as decimals without passing through a binary fraction, for the
// figures a reviewer recomputes by hand from the counts of the full cycle: 62016 / 1 reads
// "62016.00", never "62016.00000000001".
#pragma once

#include <string>

namespace kragmoor {

// Counts of 10^10 windows times pays times 100 need more than 64 bits.
__extension__ typedef unsigned __int128 UInt128;

// numerator / denominator (0 < denominator < 2^124) with `decimals` decimals (0 for none), rounded
// half away from zero by long division: no digit is ever lost, whatever the size of the numbers.
std::string ExactDecimal(UInt128 numerator, UInt128 denominator, int decimals);

// Plain decimal digits of a whole number.
std::string WholeDecimal(UInt128 value);

}  // namespace kragmoor
