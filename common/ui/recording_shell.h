#pragma once
// RecordingShell: a shell facade for tests. It records every request it is given and
// answers each with a fixed result; nothing is opened or started.
#include <vector>

#include "common/ui/shell_facade.h"

namespace ui {

class RecordingShell : public ShellFacade {
public:
    explicit RecordingShell(bool result = true) : result_(result) {}

    const std::vector<ShellRequest>& Requests() const { return requests_; }
    void Clear() { requests_.clear(); }

protected:
    bool Perform(const ShellRequest& request) override {
        requests_.push_back(request);
        return result_;
    }

private:
    bool result_;
    std::vector<ShellRequest> requests_;
};

}  // namespace ui
