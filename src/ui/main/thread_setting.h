// The threads Run plays on, kept between starts in the user's settings (QSettings, organisation
// and application "Kragmoor"): one to the cores of this machine, every core until the player
// chooses.
#pragma once

namespace kragmoor::ThreadSetting {

// The cores of this machine, at least 1.
int Cores();
// The saved count, brought within 1..Cores(); Cores() when none was saved.
int Load();
void Save(int threads);

}  // namespace kragmoor::ThreadSetting
