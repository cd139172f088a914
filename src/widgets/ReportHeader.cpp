#include "widgets/ReportHeader.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QStyleOption>

namespace svdb {

ReportHeader::ReportHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setHighlightSections(false);
}

QSize ReportHeader::sectionSizeFromContents(int logicalIndex) const {
    const QAbstractItemModel* const source = model();
    if (source == nullptr) return {};
    ensurePolished();
    const QVariant size = source->headerData(logicalIndex, orientation(), Qt::SizeHintRole);
    if (size.isValid()) return size.toSize();

    QStyleOptionHeaderV2 opt;
    initStyleOption(&opt);
    opt.section = logicalIndex;
    const QVariant font = source->headerData(logicalIndex, orientation(), Qt::FontRole);
    opt.fontMetrics = QFontMetrics(font.canConvert<QFont>() ? font.value<QFont>() : this->font());
    opt.text = source->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    const QVariant decoration = source->headerData(logicalIndex, orientation(), Qt::DecorationRole);
    opt.icon = decoration.value<QIcon>();
    if (opt.icon.isNull()) opt.icon = decoration.value<QPixmap>();
    if (isSortIndicatorShown()) opt.sortIndicator = QStyleOptionHeader::SortDown;
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), this);
}

}  // namespace svdb
