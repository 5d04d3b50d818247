#include "core/analysis/d_decomposition_scan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/analysis/d_decomposition.h"
#include "core/analysis/reduction.h"
#include "core/errors.h"
#include "core/model/compile.h"
#include "core/model/compiled.h"
#include "core/model/scheme.h"
#include "core/model/scheme_file.h"

namespace velmar {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

// Compiling a copy of a scheme that compiled already says nothing; should it fail,
// nobody is asked.
class QuietHost : public Host {
public:
    bool askValues(std::string_view, std::vector<ValueRow>&, const RowCheck&) override { return false; }
    void message(Box, std::string_view) override {}
    Reply ask(std::string_view, std::string_view, bool) override { return Reply::Cancel; }
};

// One worker's scheme: a copy of the original with every parameter value and mark,
// compiled.
struct SchemeCopy {
    Scheme scheme;
    std::unique_ptr<CompiledScheme> compiled;

    explicit SchemeCopy(const Scheme& original) {
        scheme.elementFactory = original.elementFactory;
        readSchemeBytes(scheme, SchemeBytes(original));
        const auto& mine = scheme.ElementList();
        const auto& theirs = original.ElementList();
        bool same = mine.size() == theirs.size();
        for (std::size_t k = 0; same && k < mine.size(); ++k) {
            same = mine[k]->Code == theirs[k]->Code && mine[k]->Params.size() == theirs[k]->Params.size();
            if (same) mine[k]->Params = theirs[k]->Params;
        }
        QuietHost quiet;
        if (!same || !CompileScheme(scheme, compiled, quiet))
            throw std::runtime_error("The scheme cannot be copied for the scan");
    }

    Real48& parameter(const ParameterAddress& a) { return scheme.element(a.element).Params[a.index].Value; }
};

// The count at grid point p of a copy.
int countAt(SchemeCopy& copy, const PlaneScan& scan, const DDecompositionMap& map, int p) {
    try {
        copy.parameter(scan.x) = gridX(map, p % (map.nx + 1));
        copy.parameter(scan.y) = gridY(map, p / (map.nx + 1));
        if (scan.entry == 0) return rightRootCount(scan.fixed);
        const ReductionResult r = reduceScheme(*copy.compiled, scan.output, scan.entry);
        return rightRootCount(r.status == ReductionStatus::Reduced ? r.w.B : scan.fixed);
    } catch (const MathError&) { return DDecompositionMap::kUndetermined; }
}

class Scan {
public:
    Scan(const PlaneScan& scan, DDecompositionMap& map)
        : scan_(scan), map_(map), total_(gridPointCount(map)) {}

    void run(Host& host) {
        map_.counts.assign(static_cast<std::size_t>(total_), DDecompositionMap::kNotScanned);
        const int threads = std::clamp(
            scan_.threads > 0 ? scan_.threads : static_cast<int>(std::thread::hardware_concurrency()), 1,
            total_);
        std::vector<std::unique_ptr<SchemeCopy>> copies;
        for (int t = 0; t < threads; ++t) copies.push_back(std::make_unique<SchemeCopy>(*scan_.scheme));

        host.scanProgress({0, total_, false});
        pollKeys(host);  // an Escape already waiting stops the scan before it starts
        running_ = threads;
        std::vector<std::thread> workers;
        try {
            for (auto& copy : copies) workers.emplace_back([this, &copy] { work(*copy); });
            int shown = 0;
            std::unique_lock lock(mutex_);
            while (!finished_.wait_for(lock, kPollInterval, [this] { return running_ == 0; })) {
                lock.unlock();
                shown = showProgress(host, shown);
                pollKeys(host);
                lock.lock();
            }
        } catch (...) {  // no thread or the host failed: the workers must not outlive the scan
            stop_ = true;
            for (std::thread& w : workers) w.join();
            throw;
        }
        for (std::thread& w : workers) w.join();
        host.scanProgress({done_.load(), total_, true});
        if (failure_) std::rethrow_exception(failure_);
        map_.stopped = done_ < total_;
    }

private:
    void work(SchemeCopy& copy) {
        try {
            for (int p = next_++; p < total_ && !stop_; p = next_++) {
                map_.counts[static_cast<std::size_t>(p)] = countAt(copy, scan_, map_, p);
                ++done_;
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
            stop_ = true;
        }
        std::lock_guard lock(mutex_);
        if (--running_ == 0) finished_.notify_one();
    }

    int showProgress(Host& host, int shown) {
        const int done = done_;
        if (done != shown) host.scanProgress({done, total_, false});
        return done;
    }

    void pollKeys(Host& host) {
        while (host.keyWaiting())
            if (host.readKey() == kEscapeKey) stop_ = true;
    }

    const PlaneScan& scan_;
    DDecompositionMap& map_;
    const int total_;
    std::atomic<int> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    int running_ = 0;  // guarded by mutex_ once the workers run
    std::exception_ptr failure_;
};

}  // namespace

std::optional<std::string> scanPlane(Host& host, const PlaneScan& scan, DDecompositionMap& map) {
    if (scan.entry != 0) {
        // The structure does not change from point to point: a refusal holds for all.
        std::optional<std::string> refused;
        try {
            const ReductionResult probe = reduceScheme(*scan.compiled, scan.output, scan.entry);
            if (probe.status == ReductionStatus::Refused) refused = probe.message;
        } catch (const MathError&) {}  // the present values may fail where the grid does not
        if (refused) {
            map.counts.assign(static_cast<std::size_t>(gridPointCount(map)), DDecompositionMap::kNotScanned);
            return refused;
        }
    }
    Scan(scan, map).run(host);
    return std::nullopt;
}

}  // namespace velmar
