#include "widgets/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace svdb {

QString Controls::indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void Controls::name_(QWidget* widget, const QString& name, const QString& tip) {
    widget->setObjectName(name);
    if (!tip.isEmpty()) widget->setToolTip(tip);
}

QLabel* Controls::label(QWidget* parent, const QString& name, const QString& text,
                        const QString& tip) {
    return named(new QLabel(text, parent), name, tip);
}

QCheckBox* Controls::check(QWidget* parent, const QString& name, const QString& text,
                           const QString& tip) {
    return named(new QCheckBox(text, parent), name, tip);
}

QPushButton* Controls::button(QWidget* parent, const QString& name, const QString& text,
                              const QString& tip) {
    auto* b = named(new QPushButton(text, parent), name, tip);
    b->setAutoDefault(false);
    b->setFixedHeight(kButtonHeight);
    return b;
}

QGroupBox* Controls::group(QWidget* parent, const QString& name, const QString& title,
                           const QString& tip) {
    return named(new QGroupBox(title, parent), name, tip);
}

QGridLayout* Controls::tightGrid(QWidget* owner) {
    auto* g = new QGridLayout(owner);
    g->setContentsMargins(kMargin, 1, kMargin, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(0);
    return g;
}

void Controls::setUpReportView(QTableView* view) {
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false);
    QHeaderView* header = view->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(20);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    const int rowHeight = view->fontMetrics().height() + 4;
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void Controls::setColumnWidth_(QTableView* view, int column, int twips) {
    view->setColumnWidth(column, twipsToPixels(twips));
}

}  // namespace svdb
