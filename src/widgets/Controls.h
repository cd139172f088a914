#pragma once

#include <QString>
#include <array>
#include <cstddef>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace svdb {

// Builders shared by every pane: each control gets its control name as
// objectName (members of a control array are Name_index, e.g. CheckColor_3)
// and its tool tip, so that tests and the layout find it by that name.
class Controls {
  public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kMargin = 4;   // outer margin of the window and of frames
    static constexpr int kSpacing = 3;  // gap between neighbouring controls
    static constexpr int kButtonHeight = 22;

    // Twips to pixels, to the nearest pixel.
    static int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

    // "Name_index".
    static QString indexed(const char* name, int index);

    // Gives a widget its name and, when not empty, its tool tip.
    template <class W>
    static W* named(W* widget, const QString& name, const QString& tip = {}) {
        name_(widget, name, tip);
        return widget;
    }

    static QLabel* label(QWidget* parent, const QString& name, const QString& text,
                         const QString& tip = {});
    static QCheckBox* check(QWidget* parent, const QString& name, const QString& text,
                            const QString& tip = {});
    // A push button of the common height that never becomes the default.
    static QPushButton* button(QWidget* parent, const QString& name, const QString& text,
                               const QString& tip = {});
    // An editable combo box whose typed text stands as typed: nothing is
    // completed and nothing typed is added to its items.
    static QComboBox* typedCombo(QWidget* parent, const QString& name, const QString& tip = {});
    static QGroupBox* group(QWidget* parent, const QString& name, const QString& title,
                            const QString& tip = {});
    // A grid of tight rows for the check boxes of a group.
    static QGridLayout* tightGrid(QWidget* owner);

    // A report-style list: whole-row single selection, no grid, no editing,
    // fixed row height, left-aligned headers. Best set up before the view
    // gets its model, which then goes once to the header the view keeps.
    static void setUpReportView(QTableView* view);

    // Column widths from twips.
    template <std::size_t N>
    static void setColumnTwips(QTableView* view, const std::array<int, N>& twips) {
        for (std::size_t i = 0; i < N; ++i) setColumnWidth_(view, static_cast<int>(i), twips[i]);
    }

  private:
    static void name_(QWidget* widget, const QString& name, const QString& tip);
    static void setColumnWidth_(QTableView* view, int column, int twips);
};

}  // namespace svdb
