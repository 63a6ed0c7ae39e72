#include "common/platform/cancellation.h"

#include <utility>

namespace platform {
namespace {

thread_local const std::atomic<bool>* currentFlag = nullptr;

}  // namespace

ScopedCancellation::ScopedCancellation(CancelFlag flag)
    : flag_(std::move(flag)), previous_(currentFlag) {
    currentFlag = flag_.get();
}

ScopedCancellation::~ScopedCancellation() { currentFlag = previous_; }

bool CancellationRequested() { return currentFlag && currentFlag->load(); }

}  // namespace platform
