// Work shared out among threads whose results are taken in order: what a sweep needs
// to write every value as it is done, in value order, with its memory bounded whatever
// the number of values.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace velmar {

// Runs `work(i)` for i = first .. count - 1 on `threads` threads and hands each result
// to `take` on the calling thread in index order. At most `window` results are being
// made or wait for the one before them. `tick(taken)` is called after every take and
// whenever a second passes without one. When `take` throws, no further work starts and
// the exception leaves once the running work is done.
template <class Result>
void runInOrder(std::size_t first, std::size_t count, unsigned threads, std::size_t window,
                const std::function<Result(std::size_t)>& work, const std::function<void(Result&&)>& take,
                const std::function<void(std::size_t)>& tick) {
    std::mutex mutex;
    std::condition_variable changed;
    std::map<std::size_t, Result> ready;
    std::size_t next = first, taken = first;
    bool stop = false;

    auto worker = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stop || next >= count || next < taken + window; });
            if (stop || next >= count) return;
            const std::size_t i = next++;
            lock.unlock();
            Result result = work(i);
            lock.lock();
            ready.emplace(i, std::move(result));
            changed.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);

    try {
        while (taken < count) {
            std::unique_lock lock(mutex);
            if (!changed.wait_for(lock, std::chrono::seconds(1), [&] { return ready.count(taken) != 0; })) {
                const std::size_t done = taken;
                lock.unlock();
                tick(done);
                continue;
            }
            auto node = ready.extract(taken);
            const std::size_t done = ++taken;
            lock.unlock();
            changed.notify_all();
            take(std::move(node.mapped()));
            tick(done);
        }
    } catch (...) {
        {
            std::lock_guard lock(mutex);
            stop = true;
        }
        changed.notify_all();
        throw;  // the pool finishes the running work as it is destroyed
    }
}

}  // namespace velmar
