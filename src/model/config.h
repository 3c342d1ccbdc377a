// Configuration values of this deployment: the game studio's and the mathematics designer's
// contact details, shown in the report header and the about box.
#pragma once

namespace kragmoor::config {

inline constexpr const char* kGameName = "Kragmoor";
inline constexpr const char* kDesigner = "Quorvane Ltd.";
inline constexpr const char* kStudioWeb = "www.kragmoor.example";
inline constexpr const char* kDesignerEmail = "math@quorvane.example";
inline constexpr const char* kDesignerWeb = "www.quorvane.example";

}  // namespace kragmoor::config
