#pragma once
// The client-wide current stock code: the code of the last successful panel query. The
// main window owns one and hands it to its pages, which copy it into the panel they show.
// Empty at start and never cleared; only the window thread uses it.
#include <string>
#include <utility>

class CurrentStockCode {
public:
    const std::string& Get() const { return code_; }
    void Set(std::string code) { code_ = std::move(code); }

private:
    std::string code_;
};
