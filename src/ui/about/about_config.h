// Contact details of the mathematics designer shown in the about box, beside the addresses the
// description report also writes (model/config.h). All of them are fictitious placeholders of
// this deployment: reserved example domains and numbers from ranges kept for drama.
#pragma once

namespace kragmoor::about_config {

inline constexpr const char* kTagLine = "Game mathematics designed, simulated and proven.";
inline constexpr const char* kSalesEmail = "sales@quorvane.example";
inline constexpr const char* kContactPerson = "Halvard Ostberg";
inline constexpr const char* kContactRole = "Managing Director";
inline constexpr const char* kMobile = "+44 7700 900461";
inline constexpr const char* kStreet = "7 Anvil Yard, Moorgate";
inline constexpr const char* kPostcodeCityCountry = "KM1 4QV Kragmoor, Northmoor";
inline constexpr const char* kPhone = "+44 20 7946 0958";

}  // namespace kragmoor::about_config
