#include "widgets/CompactCheckStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace svdb {

CompactCheckStyle::CompactCheckStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int CompactCheckStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (metric == PM_CheckBoxLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace svdb
