// The window design places its controls in twips, 15 to a pixel.
#pragma once

namespace kragmoor {

inline constexpr int kTwipsPerPixel = 15;

}  // namespace kragmoor
