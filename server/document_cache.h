#pragma once
// Generated documents kept for their next request: the documents are deterministic, and
// making one costs more than sending it. Bounded by the bytes held; the oldest entries go
// first. Safe to use from several threads.
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace server {

class DocumentCache {
public:
    explicit DocumentCache(std::size_t maxBytes = 32 * 1024 * 1024) : maxBytes_(maxBytes) {}

    // The document stored under `key`, made by `make` when missing. An empty document
    // (nothing to serve) is not kept.
    std::shared_ptr<const std::string> Get(const std::string& key, const std::function<std::string()>& make);

    std::size_t Bytes() const;

private:
    using Entry = std::pair<std::string, std::shared_ptr<const std::string>>;

    std::size_t maxBytes_;
    mutable std::mutex mutex_;
    std::list<Entry> order_;  // oldest first
    std::unordered_map<std::string, std::list<Entry>::iterator> entries_;
    std::size_t bytes_ = 0;
};

}  // namespace server
