#include "platform/report/BarChartWidget.h"

#include <QPainter>
#include <QPrinter>

namespace drav::report {

BarChartWidget::BarChartWidget(QWidget *parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarChartWidget::setChart(BarChart chart) {
    chart_ = std::move(chart);
    update();
}

bool BarChartWidget::print(QPrinter &printer) const {
    printer.setFullPage(true);
    return printChart(chart_, printer);
}

void BarChartWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    chart_.paint(painter, rect());
}

} // namespace drav::report
