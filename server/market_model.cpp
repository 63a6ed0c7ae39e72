#include "server/market_model.h"

#include <algorithm>
#include <numeric>

namespace server {
namespace {

// Average week change of each industry, written into every profile of the list.
void FillIndustryWeekChange(std::vector<StockProfile>& profiles) {
    std::map<int, std::pair<double, int>> sums;
    for (const auto& p : profiles) {
        sums[p.industry].first += p.weekChange;
        sums[p.industry].second += 1;
    }
    for (auto& p : profiles) {
        const auto& [sum, count] = sums[p.industry];
        p.industryWeekChange = sum / count;
    }
}

}  // namespace

MarketModel::MarketModel(const StockDirectory& directory) {
    for (const auto& stock : directory.All()) {
        byCode_[stock.code] = latest_.size();
        latest_.push_back(BuildProfile(stock, 0));
        previous_.push_back(BuildProfile(stock, 1));
    }
    FillIndustryWeekChange(latest_);
    FillIndustryWeekChange(previous_);
    for (std::size_t i = 0; i < latest_.size(); ++i)
        evaluations_.push_back({Evaluate(latest_[i], 0), Evaluate(previous_[i], 1)});

    std::map<int, IndustryDay> days;
    for (std::size_t i = 0; i < latest_.size(); ++i) {
        IndustryDay& day = days[latest_[i].industry];
        day.industry = latest_[i].industry;
        day.members.push_back(i);
        day.averageChange += latest_[i].dayChange;
    }
    for (auto& [industry, day] : days) {
        // Shrunk towards no change: an industry of one or two stocks in the directory
        // should not top the list on one stock's move.
        day.averageChange /= static_cast<double>(day.members.size() + 1);
        industryDayOf_[industry] = industryDays_.size();
        industryDays_.push_back(std::move(day));
    }
}

int MarketModel::IndexOf(const std::string& code) const {
    const auto it = byCode_.find(code);
    return it == byCode_.end() ? -1 : static_cast<int>(it->second);
}

const StockProfile& MarketModel::Profile(std::size_t index, int slot) const {
    return slot == 0 ? latest_.at(index) : previous_.at(index);
}

const Evaluation& MarketModel::EvaluationOf(std::size_t index, int slot) const {
    return evaluations_.at(index).at(static_cast<std::size_t>(slot));
}

const IndustryDay& MarketModel::IndustryOf(std::size_t index) const {
    return industryDays_.at(industryDayOf_.at(latest_.at(index).industry));
}

std::vector<std::size_t> MarketModel::BestByDimension(Dimension dimension) const {
    std::vector<std::size_t> order(latest_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return evaluations_[a][0].scores[dimension] > evaluations_[b][0].scores[dimension];
    });
    order.resize(std::min<std::size_t>(6, order.size()));
    return order;
}

std::vector<std::size_t> MarketModel::HighestEarnings(std::size_t count) const {
    std::vector<std::size_t> order(latest_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return latest_[a].eps > latest_[b].eps; });
    order.resize(std::min(count, order.size()));
    return order;
}

}  // namespace server
