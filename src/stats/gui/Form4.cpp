#include "stats/gui/Form4.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "deck/DeckModel.h"
#include "stats/CostGraph.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

// Places inside a section, in pixels.
constexpr int kCostLeft = 6;
constexpr int kBarLeft = 54;
constexpr int kCountLeft = kBarLeft + Form4::kFullBarWidth + 3;
constexpr int kRightMargin = 6;
constexpr int kMinFrameWidth = 400;
constexpr int kHeaderTop = 15;  // at the least: below the section's caption
constexpr int kBarHeight = 13;  // the bars are this high, centred in their row
constexpr int kBottomRoom = 7;  // below a section's last row
constexpr int kCloseGap = 5;    // between the last section and Close
constexpr int kCloseWidth = 61;
constexpr int kCloseHeight = 21;
const QColor kBarColour(192, 192, 255);

}  // namespace

Form4::Form4(DeckModel& deck, QWidget* parent) : QWidget(parent, Qt::Window), deck_(deck) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(u8("コストグラフ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(AppFonts::proportional());

    const QFontMetrics fm(font());
    rowHeight_ = std::max(kBarHeight, fm.height());
    for (int kind = 0; kind < kCostKinds; ++kind) {
        auto* frame = new QGroupBox(toQString(CostCaption(kind)), this);
        frame->setObjectName(Controls::indexed("FrmCost", kind));
        FrmCost_[static_cast<std::size_t>(kind)] = frame;
        // Member 0 of the row arrays is the first section's header; the
        // other sections show a header row of their own.
        headers_[static_cast<std::size_t>(kind)] = makeRow(
            frame, kind == 0 ? QStringLiteral("_0") : QStringLiteral("Header_%1").arg(kind));
        const Row& h = headers_[static_cast<std::size_t>(kind)];
        h.cost->setText(u8("コスト"));
        h.count->setText(u8("枚数"));
    }
    Close_ = Controls::button(this, QStringLiteral("Close"), QStringLiteral("Close"));
    connect(Close_, &QPushButton::clicked, this, [this] { Close_Click(); });

    deck_.addObserver(this);
}

Form4::~Form4() {
    deck_.removeObserver(this);
}

Form4::Row Form4::makeRow(QWidget* frame, const QString& suffix) {
    Row row;
    row.cost = new QLabel(frame);
    row.cost->setObjectName(QStringLiteral("LBcost") + suffix);
    row.bar = new QFrame(frame);
    row.bar->setObjectName(QStringLiteral("ShapeCost") + suffix);
    row.bar->setFrameStyle(QFrame::Box | QFrame::Plain);
    row.bar->setAutoFillBackground(true);
    QPalette pal = row.bar->palette();
    pal.setColor(QPalette::Window, kBarColour);
    pal.setColor(QPalette::WindowText, Qt::black);
    row.bar->setPalette(pal);
    row.count = new QLabel(frame);
    row.count->setObjectName(QStringLiteral("LBsum") + suffix);
    return row;
}

void Form4::placeRow(const Row& row, int top, int barWidth) {
    const int countWidth = std::max(QFontMetrics(font()).horizontalAdvance(QStringLiteral("99999")),
                                    row.count->sizeHint().width());
    row.cost->setGeometry(kCostLeft, top, kBarLeft - kCostLeft, rowHeight_);
    row.bar->setGeometry(kBarLeft, top + (rowHeight_ - kBarHeight) / 2, barWidth, kBarHeight);
    row.count->setGeometry(kCountLeft, top, countWidth, rowHeight_);
    for (QWidget* w : {static_cast<QWidget*>(row.cost), static_cast<QWidget*>(row.bar),
                       static_cast<QWidget*>(row.count)})
        w->show();
}

void Form4::DrawCostGraph() {
    for (const Row& r : rows_) {
        delete r.cost;
        delete r.bar;
        delete r.count;
    }
    rows_.clear();

    const auto sections = CostGraphSections(deck_.table(), deck_.list(DeckModel::kMain).rows,
                                            deck_.total(DeckModel::kMain));
    const int pitch = rowHeight_ + 1;
    int headerTop = kHeaderTop;
    for (QGroupBox* frame : FrmCost_)
        headerTop = std::max(headerTop, frame->contentsRect().top() + 1);
    int lowestRowTop = 0;
    for (int kind = 0; kind < kCostKinds; ++kind) {
        QGroupBox* frame = FrmCost_[static_cast<std::size_t>(kind)];
        placeRow(headers_[static_cast<std::size_t>(kind)], headerTop, kFullBarWidth);
        int top = headerTop;
        for (const CostGraphRow& row : sections[static_cast<std::size_t>(kind)].rows) {
            top += pitch;
            const Row r = makeRow(frame, QStringLiteral("_%1").arg(rows_.size() + 1));
            r.cost->setText(toQString(row.label));
            r.count->setText(QString::number(row.count));
            const int width = std::max(1, static_cast<int>(std::lround(kFullBarWidth * row.share)));
            placeRow(r, top, width);
            rows_.push_back(r);
            lowestRowTop = std::max(lowestRowTop, top);
        }
    }
    if (lowestRowTop == 0) lowestRowTop = headerTop;

    // Every section as high as the one with the most rows, one below the
    // other, and Close below the last.
    int frameWidth = kMinFrameWidth;
    for (const Row& r : rows_)
        frameWidth = std::max(frameWidth, r.count->geometry().right() + 1 + kRightMargin);
    for (const Row& h : headers_)
        frameWidth = std::max(frameWidth, h.count->geometry().right() + 1 + kRightMargin);
    const int frameHeight = lowestRowTop + rowHeight_ + kBottomRoom;
    const int m = Controls::kMargin;
    for (int kind = 0; kind < kCostKinds; ++kind) {
        FrmCost_[static_cast<std::size_t>(kind)]->setGeometry(m, m + kind * frameHeight, frameWidth,
                                                              frameHeight);
    }
    const int closeTop = m + kCostKinds * frameHeight + kCloseGap;
    Close_->setGeometry(m + frameWidth - kCloseWidth, closeTop, kCloseWidth, kCloseHeight);
    setFixedSize(frameWidth + 2 * m, closeTop + kCloseHeight + m);
    show();
}

void Form4::Close_Click() {
    close();
}

void Form4::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded();
    }
    event->accept();
}

// Clearing empties the main deck as surely as removing its cards does.
void Form4::mainDeckTallied() {
    if (!unloaded_) DrawCostGraph();
}

void Form4::decksCleared() {
    if (!unloaded_) DrawCostGraph();
}

}  // namespace svdb
