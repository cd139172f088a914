#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "widgets/ReportHeader.h"

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

QComboBox* Controls::typedCombo(QWidget* parent, const QString& name, const QString& tip) {
    auto* combo = named(new QComboBox(parent), name, tip);
    // A combo box made editable builds a completer over its items for its
    // new line edit, and its drop-down list, at once; a line edit that comes
    // with a completer of its own (and no items to complete from) skips the
    // first, and the list is built when it is first needed.
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    edit->setCompleter(new QCompleter(edit));
    combo->setLineEdit(edit);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
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
    view->setHorizontalHeader(new ReportHeader(view));
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false);
    QHeaderView* header = view->horizontalHeader();
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
