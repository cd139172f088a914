#pragma once

#include <QByteArray>
#include <string>

#include "files/DeckPrintout.h"

class QPagedPaintDevice;
class QPainter;

namespace svdb {

// The printed deck list on A4 pages: the title line at the top of each page
// (with the page's number when there is more than one), a rule, then the
// rows of the printout in the columns PlanPrintout gives them, in the
// program's Japanese proportional font. Card rows show faction, card number
// and card name in aligned columns and "× " copies at the right; totals show
// their count with "枚". Every text is drawn as text, so a PDF of it can be
// searched and copied from.
class DeckPrintPage {
  public:
    explicit DeckPrintPage(DeckPrintout printout);

    // Paints on a printer or PDF writer whose page is already set. False
    // when the device cannot be painted on (a printer that fails to start).
    bool paint(QPagedPaintDevice& device) const;

    // The printout as a PDF document on A4 pages.
    QByteArray pdf() const;

    // Writes the PDF to path, replacing the file only once it is complete.
    // False on failure, with the system's reason (when given).
    bool writePdf(const std::string& path, std::string* reason = nullptr) const;

    // Sets A4 portrait and the page margins on a printer or PDF writer.
    static void setUpPage(QPagedPaintDevice& device);

    // The plan of the rows on the device's page, in points.
    PrintoutPlan plan(QPagedPaintDevice& device) const;

    const DeckPrintout& printout() const { return printout_; }

  private:
    struct Measures;
    Measures measure(QPagedPaintDevice& device) const;
    void paintRow(QPainter& painter, const PrintoutRow& row, const Measures& m, double x, double y,
                  double size) const;

    DeckPrintout printout_;
};

}  // namespace svdb
