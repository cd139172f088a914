#pragma once

#include <QProxyStyle>

namespace svdb {

// The application's style: the desktop's own, with the images it reads from
// files at start-up read without image-format plugins. Qt reads an image file
// named without its format by asking every image-format plugin it has (GIF,
// ICO, JPEG...) whether it can, which loads them all; the window never needs
// them. The icon of a menu bar's extension button (the chevron shown when
// the menus do not fit) is drawn here, and the Fusion style's group-box frame
// is drawn from its own image, read as the PNG it is.
class AppStyle : public QProxyStyle {
    Q_OBJECT

  public:
    AppStyle() = default;

    // Makes a new AppStyle the application's style. Call before the first
    // window.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace svdb
