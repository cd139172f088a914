#include "files/gui/DeckPrintPage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <utility>

#include "text/FileBytes.h"
#include "widgets/AppFonts.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

constexpr double kFullSize = 10.0;
constexpr double kSmallestSize = 6.0;
constexpr double kLineSpacing = 1.5;
constexpr double kTitleSize = 16.0;
constexpr double kSmallestTitleSize = 9.0;
constexpr double kMarginMillimetres = 15.0;
// Between the fields of a row and between two columns, per point of font size.
constexpr double kFieldGap = 0.8;
constexpr double kColumnGap = 2.4;

QFont FontAt(double points, bool bold = false) {
    QFont f = AppFonts::proportional();
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString CopiesText(int copies) {
    return u8("× ") + QString::number(copies);
}

QString FigureText(int count) {
    return QString::number(count) + u8("枚");
}

QString PageTitle(const QString& title, int page, int pages) {
    if (pages <= 1) return title;
    return title + QStringLiteral("  (%1/%2)").arg(page).arg(pages);
}

}  // namespace

// Widths in points for a font size of one point, and the title's block.
struct DeckPrintPage::Measures {
    double unit = 1.0;  // device units per point
    double bodyWidth = 0.0;
    double pageHeight = 0.0;
    double faction = 0.0;
    double number = 0.0;
    double name = 0.0;
    double count = 0.0;  // "× 3" or "50枚", right-aligned
    double rowWidth = 0.0;
    double titleSize = kTitleSize;
    double titleHeight = 0.0;  // with the rule under it
};

DeckPrintPage::DeckPrintPage(DeckPrintout printout) : printout_(std::move(printout)) {}

void DeckPrintPage::setUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
}

DeckPrintPage::Measures DeckPrintPage::measure(QPagedPaintDevice& device) const {
    Measures m;
    m.unit = device.logicalDpiY() / 72.0;
    m.bodyWidth = device.width() / m.unit;
    m.pageHeight = device.height() / m.unit;
    // Texts are measured at the full size on the device itself.
    const QFontMetricsF plain(FontAt(kFullSize), &device);
    const QFontMetricsF bold(FontAt(kFullSize, true), &device);
    const double perPoint = 1.0 / (m.unit * kFullSize);
    auto width = [&](const QFontMetricsF& fm, const QString& text) {
        return fm.horizontalAdvance(text) * perPoint;
    };
    double heading = 0.0;
    double label = 0.0;
    for (const PrintoutRow& r : printout_.rows) {
        switch (r.kind) {
            case PrintoutRow::Kind::Heading:
                heading = std::max(heading, width(bold, toQString(r.text)));
                break;
            case PrintoutRow::Kind::Card:
                m.faction = std::max(m.faction, width(plain, toQString(r.faction)));
                m.number = std::max(m.number, width(plain, toQString(r.cardNumber)));
                m.name = std::max(m.name, width(plain, toQString(r.text)));
                m.count = std::max(m.count, width(plain, CopiesText(r.count)));
                break;
            case PrintoutRow::Kind::Figure:
                label = std::max(label, width(plain, toQString(r.text)));
                m.count = std::max(m.count, width(plain, FigureText(r.count)));
                break;
        }
    }
    const double cards = m.faction + m.number + m.name + 3 * kFieldGap + m.count;
    m.rowWidth = std::max({heading, cards, kFieldGap + label + kFieldGap + m.count});

    // The title shrinks to the page's width down to its smallest size, and
    // wraps beyond that rather than losing any of its text.
    const QString title = PageTitle(toQString(printout_.title), 99, 99);
    const double titleWidth =
        QFontMetricsF(FontAt(kTitleSize, true), &device).horizontalAdvance(title) / m.unit;
    if (titleWidth > m.bodyWidth)
        m.titleSize = std::max(kSmallestTitleSize, kTitleSize * m.bodyWidth / titleWidth);
    const QRectF wrapped =
        QFontMetricsF(FontAt(m.titleSize, true), &device)
            .boundingRect(QRectF(0, 0, m.bodyWidth * m.unit, 1e6), Qt::TextWrapAnywhere, title);
    m.titleHeight = wrapped.height() / m.unit + m.titleSize * 0.6;
    return m;
}

PrintoutPlan DeckPrintPage::plan(QPagedPaintDevice& device) const {
    const Measures m = measure(device);
    PrintoutFrame frame;
    frame.bodyWidth = m.bodyWidth;
    frame.bodyHeight = m.pageHeight - m.titleHeight;
    frame.rowWidth = m.rowWidth;
    frame.columnGap = kColumnGap * kFullSize;
    frame.lineSpacing = kLineSpacing;
    frame.fullSize = kFullSize;
    frame.smallestSize = kSmallestSize;
    return PlanPrintout(printout_.rows, frame);
}

void DeckPrintPage::paintRow(QPainter& painter, const PrintoutRow& row, const Measures& m, double x,
                             double y, double size) const {
    const double u = m.unit * size;  // device units per width unit of Measures
    const double height = kLineSpacing * size * m.unit;
    const double right = x + m.rowWidth * u;
    auto text = [&](double left, double width, const QString& s, Qt::Alignment align) {
        painter.drawText(QRectF(left, y, width, height), int(align | Qt::AlignVCenter), s);
    };
    switch (row.kind) {
        case PrintoutRow::Kind::Heading:
            painter.setFont(FontAt(size, true));
            text(x, m.rowWidth * u, toQString(row.text), Qt::AlignLeft);
            painter.drawLine(QPointF(x, y + height * 0.92), QPointF(right, y + height * 0.92));
            break;
        case PrintoutRow::Kind::Card: {
            painter.setFont(FontAt(size));
            double left = x;
            text(left, m.faction * u, toQString(row.faction), Qt::AlignLeft);
            left += (m.faction + kFieldGap) * u;
            text(left, m.number * u, toQString(row.cardNumber), Qt::AlignLeft);
            left += (m.number + kFieldGap) * u;
            text(left, m.name * u, toQString(row.text), Qt::AlignLeft);
            text(right - m.count * u, m.count * u, CopiesText(row.count), Qt::AlignRight);
            break;
        }
        case PrintoutRow::Kind::Figure:
            painter.setFont(FontAt(size));
            text(x + kFieldGap * u, (m.rowWidth - kFieldGap) * u, toQString(row.text),
                 Qt::AlignLeft);
            text(right - m.count * u, m.count * u, FigureText(row.count), Qt::AlignRight);
            break;
    }
}

bool DeckPrintPage::paint(QPagedPaintDevice& device) const {
    const Measures m = measure(device);
    const PrintoutPlan p = plan(device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPen rule(Qt::black);
    rule.setWidthF(0.5 * m.unit);
    painter.setPen(rule);

    const int pages = p.pages();
    const double lineHeight = kLineSpacing * p.fontSize * m.unit;
    const double columnWidth = (m.rowWidth * p.fontSize + kColumnGap * kFullSize) * m.unit;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) return false;
        painter.setFont(FontAt(m.titleSize, true));
        const QRectF titleRect(0, 0, m.bodyWidth * m.unit, m.titleHeight * m.unit);
        painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                         PageTitle(toQString(printout_.title), page + 1, pages));
        const double ruleY = (m.titleHeight - m.titleSize * 0.25) * m.unit;
        painter.drawLine(QPointF(0, ruleY), QPointF(m.bodyWidth * m.unit, ruleY));

        for (int c = 0; c < p.columns; ++c) {
            const std::size_t index = static_cast<std::size_t>(page * p.columns + c);
            if (index >= p.filled.size()) break;
            const PrintoutPlan::Column& column = p.filled[index];
            const double x = c * columnWidth;
            double y = m.titleHeight * m.unit;
            for (std::size_t r = column.begin; r < column.end; ++r, y += lineHeight)
                paintRow(painter, printout_.rows[r], m, x, y, p.fontSize);
        }
    }
    return painter.end();
}

QByteArray DeckPrintPage::pdf() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(toQString(printout_.title));
        writer.setCreator(QStringLiteral("SVDB"));
        setUpPage(writer);
        if (!paint(writer)) return {};
    }
    return bytes;
}

bool DeckPrintPage::writePdf(const std::string& path, std::string* reason) const {
    const QByteArray bytes = pdf();
    if (bytes.isEmpty()) {
        if (reason) *reason = "PDFを作成できませんでした";
        return false;
    }
    return WriteFileReplacing(path, std::string_view(bytes.constData(), bytes.size()), reason);
}

}  // namespace svdb
