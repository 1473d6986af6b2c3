#pragma once
// A bar chart shown in a window, printable on a printer.

#include "platform/report/BarChart.h"

#include <QWidget>

class QPrinter;

namespace drav::report {

class BarChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit BarChartWidget(QWidget *parent = nullptr);

    BarChart &chart() { return chart_; }
    const BarChart &chart() const { return chart_; }
    void setChart(BarChart chart);

    // Prints the chart on one landscape page; false when the printer failed.
    bool print(QPrinter &printer) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BarChart chart_;
};

} // namespace drav::report
