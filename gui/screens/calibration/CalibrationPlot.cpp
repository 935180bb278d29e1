#include "gui/screens/calibration/CalibrationPlot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

CalibrationPlot::CalibrationPlot(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("CalibrationPlot");
    setMinimumSize(260, 180);
}

void CalibrationPlot::setData(std::vector<double> x, std::vector<double> y, const LineFit& fit)
{
    x_ = std::move(x);
    y_ = std::move(y);
    fit_ = fit;
    update();
}

void CalibrationPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QRectF area = QRectF(rect()).adjusted(36, 10, -10, -24);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(area);
    if (x_.empty())
        return;
    const auto [xMin, xMax] = std::minmax_element(x_.begin(), x_.end());
    const auto [yMin, yMax] = std::minmax_element(y_.begin(), y_.end());
    // A single point or a flat set still gets a visible span around it.
    const auto span = [](double lo, double hi) {
        const double pad = hi > lo ? (hi - lo) * 0.1 : std::max(1.0, std::fabs(lo) * 0.05);
        return std::pair(lo - pad, hi + pad);
    };
    const auto [x0, x1] = span(*xMin, *xMax);
    const auto [y0, y1] = span(*yMin, *yMax);
    const auto at = [&, x0 = x0, x1 = x1, y0 = y0, y1 = y1](double x, double y) {
        return QPointF(area.left() + (x - x0) / (x1 - x0) * area.width(),
                       area.bottom() - (y - y0) / (y1 - y0) * area.height());
    };
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRectF(0, area.bottom() + 4, width(), 18), Qt::AlignCenter,
               QString("%1 .. %2").arg(x0, 0, 'f', 2).arg(x1, 0, 'f', 2));
    p.save();
    p.translate(12, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -8, area.height(), 16), Qt::AlignCenter,
               QString("%1 .. %2").arg(y0, 0, 'f', 2).arg(y1, 0, 'f', 2));
    p.restore();
    if (std::isfinite(fit_.a) && std::isfinite(fit_.b)) {
        p.setClipRect(area);
        p.setPen(QPen(QColor(0, 110, 200), 1.5));
        p.drawLine(at(x0, fit_.a * x0 + fit_.b), at(x1, fit_.a * x1 + fit_.b));
        p.setClipping(false);
    }
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(QColor(230, 90, 90));
    for (std::size_t i = 0; i < x_.size() && i < y_.size(); ++i)
        p.drawEllipse(at(x_[i], y_[i]), 3.5, 3.5);
}
