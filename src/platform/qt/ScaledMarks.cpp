#include "platform/qt/ScaledMarks.h"

#include <QApplication>
#include <QStyleFactory>

namespace qpa::qt {

ScaledMarks::ScaledMarks(double scale)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), scale_(scale) {}

int ScaledMarks::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return qRound(size * scale_);
        default:
            return size;
    }
}

}  // namespace qpa::qt
