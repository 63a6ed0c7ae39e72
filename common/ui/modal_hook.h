#pragma once
// Modal prompts (the tip window, the picture loader's error boxes) ask this hook first.
// With no hook set they are shown to the user; tests set one that records each prompt
// and answers it at once, so nothing waits for a person.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

// Dialog results, as the Windows dialog calls return them.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct ModalPrompt {
    std::string dialog;   // who asks: "CTipDlg", "CPicture Error"
    std::string caption;  // window caption (GBK)
    std::string message;  // the text shown (GBK)
    bool question = false;  // true when the user can choose between OK and Cancel
};

class ModalHook {
public:
    using Answerer = std::function<int(const ModalPrompt&)>;

    // The hook's answer, or nothing when no hook is set (show the window).
    static std::optional<int> Answer(const ModalPrompt& prompt);
    static void Set(Answerer answerer);  // an empty function removes the hook
    static bool IsSet();
};

// Test helper: while it lives every prompt is recorded and answered, first from the
// queued answers, then with the default answer.
class ScopedModalAnswers {
public:
    explicit ScopedModalAnswers(int defaultAnswer = kIdOk);
    ~ScopedModalAnswers();
    ScopedModalAnswers(const ScopedModalAnswers&) = delete;
    ScopedModalAnswers& operator=(const ScopedModalAnswers&) = delete;

    void Queue(int answer) { queued_.push_back(answer); }
    const std::vector<ModalPrompt>& Prompts() const { return prompts_; }
    void Clear() { prompts_.clear(); }

private:
    int defaultAnswer_;
    std::deque<int> queued_;
    std::vector<ModalPrompt> prompts_;
};

}  // namespace ui
