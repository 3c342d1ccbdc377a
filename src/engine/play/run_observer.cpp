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

void ObserverList::ShowReels() {
    Tell([](RunObserver& o) { o.ShowReels(); });
}
void ObserverList::ShowStop(int reel, int stop) {
    Tell([=](RunObserver& o) { o.ShowStop(reel, stop); });
}
void ObserverList::SetText(std::string_view text) {
    Tell([=](RunObserver& o) { o.SetText(text); });
}
void ObserverList::AppendText(std::string_view text) {
    Tell([=](RunObserver& o) { o.AppendText(text); });
}
void ObserverList::DrawWinLine(int line) {
    Tell([=](RunObserver& o) { o.DrawWinLine(line); });
}
void ObserverList::DrawScatterBox(int row, int reel) {
    Tell([=](RunObserver& o) { o.DrawScatterBox(row, reel); });
}
void ObserverList::Message(std::string_view text) {
    Tell([=](RunObserver& o) { o.Message(text); });
}
void ObserverList::Beep() {
    Tell([](RunObserver& o) { o.Beep(); });
}
void ObserverList::RunStateChanged() {
    Tell([](RunObserver& o) { o.RunStateChanged(); });
}
void ObserverList::AllowCreditEntry(bool allowed) {
    Tell([=](RunObserver& o) { o.AllowCreditEntry(allowed); });
}
void ObserverList::AllowStep(bool allowed) {
    Tell([=](RunObserver& o) { o.AllowStep(allowed); });
}
void ObserverList::OfferStep() {
    Tell([](RunObserver& o) { o.OfferStep(); });
}
void ObserverList::OfferCreditEntry() {
    Tell([](RunObserver& o) { o.OfferCreditEntry(); });
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
