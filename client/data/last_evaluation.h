#pragma once
// The comprehensive evaluation of the last successful query, which the dimension detail
// windows read. The main window owns one; it starts empty and not found and is replaced
// only by a found evaluation. Only the window thread uses it.
#include <utility>

#include "client/data/comprehensive_eval.h"

class LastEvaluation {
public:
    const CComprehensiveEval& Get() const { return evaluation_; }
    // Keeps `evaluation` when it was found; anything else leaves the previous one.
    void Offer(CComprehensiveEval evaluation) {
        if (evaluation.Found()) evaluation_ = std::move(evaluation);
    }

private:
    CComprehensiveEval evaluation_;
};
