#pragma once

#include <QFrame>
#include <functional>

class QPainter;

namespace svdb {

// A sunken picture area for the bars of the deck statistics (PictureBar,
// Picture1_1..Picture1_5). It paints a white background; whoever owns the
// bar's content installs a painter that draws into the inner rectangle.
class PictureBox : public QFrame {
    Q_OBJECT

  public:
    using Painter = std::function<void(QPainter& painter, const QRect& inner)>;

    explicit PictureBox(QWidget* parent = nullptr);

    // Replaces the content painter and repaints; an empty painter leaves the
    // box blank.
    void setPainter(Painter painter);
    // The area inside the frame, in the box's own pixels.
    QRect innerRect() const { return contentsRect(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter painter_;
};

}  // namespace svdb
