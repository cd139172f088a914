#pragma once

#include <QProxyStyle>

namespace svdb {

// The application's style with a narrow gap between a check box and its
// caption, so that the thirty-odd filter boxes share one row of 800 pixels.
class CompactCheckStyle : public QProxyStyle {
    Q_OBJECT

  public:
    CompactCheckStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

}  // namespace svdb
