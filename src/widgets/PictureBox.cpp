#include "widgets/PictureBox.h"

#include <QPainter>

namespace svdb {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PictureBox::setPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
}

QSize PictureBox::sizeHint() const {
    return {120, 14};
}

QSize PictureBox::minimumSizeHint() const {
    return {40, 10};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), Qt::white);
        if (painter_) {
            p.setClipRect(contentsRect());
            painter_(p, contentsRect());
        }
    }
    QFrame::paintEvent(event);
}

}  // namespace svdb
