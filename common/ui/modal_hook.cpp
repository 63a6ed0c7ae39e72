#include "common/ui/modal_hook.h"

namespace ui {
namespace {

ModalHook::Answerer& CurrentAnswerer() {
    static ModalHook::Answerer answerer;
    return answerer;
}

}  // namespace

std::optional<int> ModalHook::Answer(const ModalPrompt& prompt) {
    if (const auto& answerer = CurrentAnswerer()) return answerer(prompt);
    return std::nullopt;
}

void ModalHook::Set(Answerer answerer) { CurrentAnswerer() = std::move(answerer); }

bool ModalHook::IsSet() { return static_cast<bool>(CurrentAnswerer()); }

ScopedModalAnswers::ScopedModalAnswers(int defaultAnswer) : defaultAnswer_(defaultAnswer) {
    ModalHook::Set([this](const ModalPrompt& prompt) {
        prompts_.push_back(prompt);
        if (queued_.empty()) return defaultAnswer_;
        const int answer = queued_.front();
        queued_.pop_front();
        return answer;
    });
}

ScopedModalAnswers::~ScopedModalAnswers() { ModalHook::Set({}); }

}  // namespace ui
