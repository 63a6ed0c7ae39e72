#pragma once
// Lets a blocking request end early when nobody waits for its answer any more. The code
// that starts the work on a worker thread hands it a flag; while a ScopedCancellation for
// that flag lives on the worker, the web requests of that thread poll the flag and give
// up once it is set.
#include <atomic>
#include <memory>

namespace platform {

using CancelFlag = std::shared_ptr<std::atomic<bool>>;

inline CancelFlag MakeCancelFlag() { return std::make_shared<std::atomic<bool>>(false); }

// Makes `flag` the calling thread's cancellation flag until the scope ends (scopes nest).
class ScopedCancellation {
public:
    explicit ScopedCancellation(CancelFlag flag);
    ~ScopedCancellation();
    ScopedCancellation(const ScopedCancellation&) = delete;
    ScopedCancellation& operator=(const ScopedCancellation&) = delete;

private:
    CancelFlag flag_;
    const std::atomic<bool>* previous_;
};

// True when the calling thread's current flag is set.
bool CancellationRequested();

}  // namespace platform
