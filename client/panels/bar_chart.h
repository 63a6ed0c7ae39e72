#pragma once
// CBarChart: the money-flow bar chart. A grey plot with a seven-label value scale and one
// bar per time slot for each of up to two series: positive values red upwards from the
// zero line, negative values green downwards. Amounts are in millions.
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "client/core/chart_scale.h"
#include "common/ui/color.h"

class QPainter;

class CBarChart : public QWidget {
    Q_OBJECT
public:
    static constexpr ui::ColorRef kBackground = ui::Rgb(255, 255, 255);  // a fresh device context's
    static constexpr ui::ColorRef kPlotColor = ui::Rgb(222, 222, 222);
    static constexpr ui::ColorRef kRiseColor = ui::Rgb(200, 0, 0);
    static constexpr ui::ColorRef kFallColor = ui::Rgb(0, 100, 0);

    explicit CBarChart(QWidget* parent = nullptr);

    // Takes the place of the direct child of `parent` named `controlId` (a placeholder
    // static): its geometry, its name, then deletes it. False when there is none.
    bool CreateFromStatic(int controlId, QWidget* parent);

    // Each argument is a TAB-separated list. A non-empty one replaces its series (the time
    // labels for `times`); an empty one leaves it as it was. The scale follows the data.
    void SetData(const std::string& first, const std::string& second, const std::string& times);
    // Bars are drawn from now on; repaints the whole control.
    void MarkHasData();

    bool HasData() const { return hasData_; }
    const std::vector<std::string>& Series1() const { return series1_; }
    const std::vector<std::string>& Series2() const { return series2_; }
    const std::vector<std::string>& TimeLabels() const { return timeLabels_; }
    // Nothing while there is no sound scale (no first series, or too flat): the chart then
    // shows its empty plot.
    const std::optional<chart::ChartScale>& Scale() const { return scale_; }

    // Draws the whole chart straight onto `painter`'s device (a printer, for instance);
    // the screen goes through an off-screen image instead, in one copy.
    void Draw(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool hasData_ = false;
    std::vector<std::string> series1_;
    std::vector<std::string> series2_;
    std::vector<std::string> timeLabels_;
    std::optional<chart::ChartScale> scale_;
};
