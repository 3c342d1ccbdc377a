#include "engine/play/run_observer.h"

#include <algorithm>

namespace kragmoor {

void ObserverList::Add(RunObserver* observer) {
    if (observer != nullptr && std::find(list_.begin(), list_.end(), observer) == list_.end()) {
        list_.push_back(observer);
    }
}

void ObserverList::Remove(RunObserver* observer) {
    const auto it = std::find(list_.begin(), list_.end(), observer);
    if (it == list_.end()) return;
    if (telling_ > 0) {
        *it = nullptr;  // the loop under way walks by index and skips it
        blanked_ = true;
    } else {
        list_.erase(it);
    }
}

// By index, so that an observer added inside a hook does not invalidate the walk.
template <typename Hook>
void ObserverList::Tell(Hook hook) {
    ++telling_;
    for (std::size_t i = 0; i < list_.size(); ++i) {
        if (list_[i] != nullptr) hook(*list_[i]);
    }
    if (--telling_ == 0 && blanked_) {
        blanked_ = false;
        list_.erase(std::remove(list_.begin(), list_.end(), nullptr), list_.end());
    }
}

void ObserverList::ReelsStopped(const std::int16_t (&stops)[kReels]) {
    Tell([&](RunObserver& o) { o.ReelsStopped(stops); });
}
void ObserverList::GameShown(const ShownGame& game) {
    Tell([&](RunObserver& o) { o.GameShown(game); });
}
void ObserverList::LineWon(const LineWin& win) {
    Tell([&](RunObserver& o) { o.LineWon(win); });
}
void ObserverList::ScattersWon(const ScatterWin& win) {
    Tell([&](RunObserver& o) { o.ScattersWon(win); });
}
void ObserverList::FreeSpinsAwarded(const FreeSpinsAward& award) {
    Tell([&](RunObserver& o) { o.FreeSpinsAwarded(award); });
}
void ObserverList::GameEnded(const GameEnd& end) {
    Tell([&](RunObserver& o) { o.GameEnded(end); });
}
void ObserverList::AutoStopped(const AutoStopAt& at) {
    Tell([&](RunObserver& o) { o.AutoStopped(at); });
}
void ObserverList::CycleEnded(std::int64_t games) {
    Tell([=](RunObserver& o) { o.CycleEnded(games); });
}
void ObserverList::WriteFailed(std::string_view message) {
    Tell([=](RunObserver& o) { o.WriteFailed(message); });
}
void ObserverList::SaveDone(bool ok) {
    Tell([=](RunObserver& o) { o.SaveDone(ok); });
}
void ObserverList::CreditTooLow() {
    Tell([](RunObserver& o) { o.CreditTooLow(); });
}
void ObserverList::RunStateChanged() {
    Tell([](RunObserver& o) { o.RunStateChanged(); });
}
void ObserverList::AllowCreditEntry(bool allowed) {
    Tell([=](RunObserver& o) { o.AllowCreditEntry(allowed); });
}
void ObserverList::OfferStep() {
    Tell([](RunObserver& o) { o.OfferStep(); });
}
void ObserverList::LabelsChanged() {
    Tell([](RunObserver& o) { o.LabelsChanged(); });
}
void ObserverList::Yield() {
    Tell([](RunObserver& o) { o.Yield(); });
}
void ObserverList::FeatureYield() {
    Tell([](RunObserver& o) { o.FeatureYield(); });
}
bool ObserverList::HitsMinimized() {
    bool minimized = false;
    Tell([&](RunObserver& o) { minimized = o.HitsMinimized() || minimized; });
    return minimized;
}
void ObserverList::HitsRefreshed() {
    Tell([](RunObserver& o) { o.HitsRefreshed(); });
}
void ObserverList::ChartCleared() {
    Tell([](RunObserver& o) { o.ChartCleared(); });
}
void ObserverList::ChartPointAdded(const ChartPoint& point) {
    Tell([&](RunObserver& o) { o.ChartPointAdded(point); });
}
void ObserverList::ChartFull(std::string_view summary, std::string_view bitmap_file) {
    Tell([=](RunObserver& o) { o.ChartFull(summary, bitmap_file); });
}

}  // namespace kragmoor
