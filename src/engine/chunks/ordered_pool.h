// Jobs numbered 0, 1, 2, ... played on several threads and taken back on the calling thread in
// their order, so that what is built from them does not depend on which thread finished first.
// Jobs are made in order under the pool's lock (a job may carry state that each job advances,
// such as a random stream jumped once per job), played outside it, and at most `ahead` jobs past
// the next one to be taken are handed out, so that the results waiting stay few however long
// one job takes.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kragmoor {

template <typename Job, typename Result>
class OrderedPool {
  public:
    using Make = std::function<Job(std::int64_t index)>;  // under the lock, in order
    using Play = std::function<Result(Job&)>;             // on a worker thread
    using Take = std::function<bool(Result&)>;            // on the caller's thread; false stops

    // Plays jobs 0..count-1 on `threads` threads and takes each result in order until one
    // `take` returns false. Results made past that are dropped. An exception from `play` or
    // `make` is rethrown here when its job's turn comes, after the threads have ended.
    static void Run(int threads, std::int64_t count, std::int64_t ahead, const Make& make,
                    const Play& play, const Take& take) {
        OrderedPool pool(count, ahead, make, play);
        pool.Start(threads);
        pool.TakeAll(take);
    }

    ~OrderedPool() { Finish(); }
    OrderedPool(const OrderedPool&) = delete;
    OrderedPool& operator=(const OrderedPool&) = delete;

  private:
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
    };

    OrderedPool(std::int64_t count, std::int64_t ahead, const Make& make, const Play& play)
        : count_(count), ahead_(ahead < 1 ? 1 : ahead), make_(make), play_(play) {}

    void Start(int threads) {
        for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { Work(); });
    }

    // Stops handing out jobs and waits for the ones being played.
    void Finish() {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        for (std::thread& worker : workers_) worker.join();
        workers_.clear();
    }

    void Work() {
        for (;;) {
            std::int64_t index = 0;
            Slot slot;
            std::optional<Job> job;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] {
                    return stopped_ || next_made_ >= count_ || next_made_ < next_taken_ + ahead_;
                });
                if (stopped_ || next_made_ >= count_) return;
                index = next_made_++;
                try {
                    job.emplace(make_(index));
                } catch (...) {
                    slot.error = std::current_exception();
                }
            }
            if (job) {
                try {
                    slot.result.emplace(play_(*job));
                } catch (...) {
                    slot.error = std::current_exception();
                }
            }
            {
                std::lock_guard lock(mutex_);
                done_.emplace(index, std::move(slot));
            }
            changed_.notify_all();
        }
    }

    void TakeAll(const Take& take) {
        for (std::int64_t index = 0; index < count_; ++index) {
            typename std::map<std::int64_t, Slot>::node_type node;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return done_.count(index) != 0; });
                node = done_.extract(index);
                next_taken_ = index + 1;
            }
            changed_.notify_all();
            Slot& slot = node.mapped();
            if (slot.error) std::rethrow_exception(slot.error);
            if (!take(*slot.result)) return;
        }
    }

    const std::int64_t count_;
    const std::int64_t ahead_;
    const Make& make_;
    const Play& play_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::int64_t next_made_ = 0;
    std::int64_t next_taken_ = 0;
    bool stopped_ = false;
    std::map<std::int64_t, Slot> done_;
    std::vector<std::thread> workers_;
};

}  // namespace kragmoor
