#include "server/document_cache.h"

namespace server {

std::shared_ptr<const std::string> DocumentCache::Get(const std::string& key,
                                                      const std::function<std::string()>& make) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = entries_.find(key);
        if (found != entries_.end()) return found->second->second;
    }
    // Made outside the lock; two threads may make the same document, and one of them is kept.
    auto document = std::make_shared<const std::string>(make());
    const std::size_t size = document->size() + key.size();
    if (document->empty() || size > maxBytes_) return document;
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.count(key)) return document;
    while (bytes_ + size > maxBytes_ && !order_.empty()) {
        bytes_ -= order_.front().second->size() + order_.front().first.size();
        entries_.erase(order_.front().first);
        order_.pop_front();
    }
    order_.emplace_back(key, document);
    entries_.emplace(key, std::prev(order_.end()));
    bytes_ += size;
    return document;
}

std::size_t DocumentCache::Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

}  // namespace server
