#pragma once

#include <QHeaderView>

namespace svdb {

// The column header of a report-style list. Its sections are never
// highlighted, so their captions are always drawn in the header's own font;
// they are measured in that font too. (The stock header measures them in
// bold, which loads a bold face of the list's font for nothing.)
class ReportHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit ReportHeader(QWidget* parent = nullptr);

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

}  // namespace svdb
