#include "support/memory_document_source.h"

#include <chrono>
#include <thread>

#include "common/platform/cancellation.h"
#include "common/platform/code_page.h"
#include "common/xml/utf8_to_local.h"

namespace {

void Stall(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until && !platform::CancellationRequested())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

}  // namespace

void MemoryDocumentSource::Serve(const std::string& path, const std::string& utf8Body) {
    const std::lock_guard<std::mutex> lock(mutex_);
    bodies_[path] = utf8Body;
}

void MemoryDocumentSource::SetUnreachable(bool unreachable) {
    const std::lock_guard<std::mutex> lock(mutex_);
    unreachable_ = unreachable;
}

void MemoryDocumentSource::SetStallMs(int ms) {
    const std::lock_guard<std::mutex> lock(mutex_);
    stallMs_ = ms;
}

FetchStatus MemoryDocumentSource::Load(const std::string& path, CXmlFile& doc) {
    int stallMs;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(path);
        stallMs = stallMs_;
    }
    Stall(stallMs);
    std::string body;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (unreachable_) return FetchStatus::Failed;
        auto it = bodies_.find(path);
        if (it == bodies_.end()) return FetchStatus::NotFound;
        body = it->second;
    }
    doc.Doc().SetDoc(Utf8ToLocal("\xEF\xBB\xBF" + body));
    return FetchStatus::Loaded;
}

std::vector<std::string> MemoryDocumentSource::Requests() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string Gbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }
