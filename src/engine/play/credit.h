// The credit entry's booking: Enter books the text typed as an amount.
#pragma once

#include <string_view>

#include "model/game_model.h"

namespace kragmoor {

// Books `text` into Credit and CreditTotal when it is a whole number in the 32-bit range (blanks
// around it and a leading sign allowed); a negative amount books 0. A total that the amount would
// carry past 2147483647 is left as it is. True when Credit is then at least one bet (20).
bool BookCredit(RunState& state, std::string_view text);

}  // namespace kragmoor
