#include "widgets/AppStyle.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace svdb {

namespace {

// Fusion's group-box frame: its image, cut into nine parts at six pixels from
// each edge, below a top margin that leaves room for the title.
constexpr auto kFusionGroupBoxImage =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kFusionGroupBoxTopMargin = 3;
constexpr int kFusionGroupBoxBorder = 6;

// The image as the PNG it is, without asking the image-format plugins; a null
// pixmap when Qt has no such image. Kept to the end of the process: a pixmap
// must not outlive the application object.
const QPixmap& FusionGroupBoxFrame() {
    static const QPixmap* const frame = [] {
        QImageReader reader(QString::fromLatin1(kFusionGroupBoxImage), "png");
        reader.setAutoDetectImageFormat(false);
        return new QPixmap(QPixmap::fromImage(reader.read()));
    }();
    return *frame;
}

}  // namespace

void AppStyle::install() {
    QApplication::setStyle(new AppStyle);
}

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                             const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // A double chevron pointing along the reading direction.
    const bool rightToLeft = widget ? widget->isRightToLeft() : QApplication::isRightToLeft();
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1.5));
    if (rightToLeft) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    for (const qreal x : {4.0, 9.0}) {
        path.moveTo(x, 4);
        path.lineTo(x + 4, 8);
        path.lineTo(x, 12);
    }
    p.drawPath(path);
    return QIcon(pixmap);
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    // Every other primitive goes straight to the desktop style.
    if (element != PE_FrameGroupBox ||
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 ||
        FusionGroupBoxFrame().isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A group box with neither title nor check box has no room kept above its
    // frame for them.
    int topMargin = kFusionGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty()) {
        topMargin += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                              option->fontMetrics.height());
    }
    const QRect frame = option->rect.adjusted(0, topMargin, 0, 0);
    constexpr int b = kFusionGroupBoxBorder;
    qDrawBorderPixmap(painter, frame, QMargins(b, b, b, b), FusionGroupBoxFrame());
}

}  // namespace svdb
