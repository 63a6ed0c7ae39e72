#pragma once
// The whole sample market: every stock's profile and evaluations for the two evaluation
// dates, and what is computed across stocks (industry averages, leaders, rankings).
// Built once at start; read-only afterwards, so worker threads share it freely.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "server/evaluation.h"
#include "server/stock_directory.h"
#include "server/stock_profile.h"

namespace server {

struct IndustryDay {
    int industry = 0;                 // index into Industries()
    double averageChange = 0;         // percent, on the last trading day
    std::vector<std::size_t> members; // indexes into the stocks, in directory order
};

class MarketModel {
public:
    static constexpr int kSlots = 2;  // the latest evaluation and the one a week before

    explicit MarketModel(const StockDirectory& directory);

    std::size_t Size() const { return latest_.size(); }
    // Index of a code, or -1.
    int IndexOf(const std::string& code) const;

    const StockProfile& Profile(std::size_t index, int slot = 0) const;
    const Evaluation& EvaluationOf(std::size_t index, int slot) const;

    // Industries that have stocks, in catalogue order.
    const std::vector<IndustryDay>& IndustryDays() const { return industryDays_; }
    const IndustryDay& IndustryOf(std::size_t index) const;

    // The six stocks with the best latest score of each dimension, best first.
    std::vector<std::size_t> BestByDimension(Dimension dimension) const;
    // The `count` stocks with the highest earnings per share, highest first.
    std::vector<std::size_t> HighestEarnings(std::size_t count) const;

private:
    std::vector<StockProfile> latest_;
    std::vector<StockProfile> previous_;
    std::vector<std::array<Evaluation, kSlots>> evaluations_;
    std::map<std::string, std::size_t> byCode_;
    std::vector<IndustryDay> industryDays_;
    std::map<int, std::size_t> industryDayOf_;
};

}  // namespace server
