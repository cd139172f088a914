#include "app/gui/SplashWindow.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/VersionInfo.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

// The logo: a vane of four blades around a star, drawn rather than read from
// a file.
QPixmap Logo() {
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(32, 32);
    p.setPen(Qt::NoPen);
    for (int blade = 0; blade < 4; ++blade) {
        p.setBrush(blade % 2 == 0 ? QColor(0, 64, 160) : QColor(200, 0, 0));
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(6, -28), QPointF(-6, -28)}));
        p.rotate(90);
    }
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(0, 0), 7, 7);
    return picture;
}

}  // namespace

SplashWindow::SplashWindow(const QString& listVersion, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(u8("SVDBについて"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    const VersionInfo info;

    auto* outer = new QVBoxLayout(this);
    auto* frame = Controls::named(new QFrame(this), QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(6);

    auto* head = new QHBoxLayout;
    imgLogo_ = Controls::named(new QLabel(frame), QStringLiteral("imgLogo"));
    imgLogo_->setPixmap(Logo());
    head->addWidget(imgLogo_);
    auto* names = new QVBoxLayout;
    QLabel* product = Controls::label(frame, QStringLiteral("lblProductName"), u8("SVDB"));
    QFont big = AppFonts::proportional();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    product->setFont(big);
    names->addWidget(product);
    names->addWidget(Controls::label(frame, QStringLiteral("lblCompany"),
                                     u8("Deck Build Program for Starvane")));
    names->addWidget(
        Controls::label(frame, QStringLiteral("lblVersion"), toQString(VersionCaption(info))));
    head->addLayout(names, 1);
    column->addLayout(head);

    QLabel* listLabel =
        Controls::label(frame, QStringLiteral("LbListVersion"), u8("カードリストバージョン："));
    if (!listVersion.isEmpty()) listLabel->setText(listLabel->text() + listVersion);
    column->addWidget(listLabel);
    column->addWidget(Controls::label(frame, QStringLiteral("lblWarning"),
                                      u8("このプログラムはβ版ですので動作保証はできかねます。")));
    Label1_ = Controls::label(frame, QStringLiteral("Label1"), u8(info.comments));
    Label1_->setWordWrap(true);
    column->addWidget(Label1_);
    column->addWidget(Controls::label(frame, QStringLiteral("Label2"),
                                      u8("キーを押すか、この窓をクリックすると閉じます。")));
    column->addWidget(Controls::label(frame, QStringLiteral("lblthanks"),
                                      u8("カードリストを作ってくださる皆さんに感謝します。")));
    column->addWidget(Controls::label(frame, QStringLiteral("lblCopyright"), u8(info.legalNotice)));

    // A click on the frame or on any text closes the window; the logo has
    // its own rule.
    frame->installEventFilter(this);
    for (QLabel* label : frame->findChildren<QLabel*>()) label->installEventFilter(this);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (watched == imgLogo_ && press->modifiers() == (Qt::ControlModifier | Qt::AltModifier)) {
            Label1_->setText(u8("ロゴは風見鶏の羽根と星を描いたものです。"));
            return true;
        }
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    close();
}

void SplashWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        // Losing the focus closes the window, once it has had it.
        if (isActiveWindow()) {
            wasActive_ = true;
        } else if (wasActive_) {
            close();
        }
    }
    QDialog::changeEvent(event);
}

}  // namespace svdb
