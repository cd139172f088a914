#pragma once

#include <QFrame>
#include <array>
#include <cstdint>
#include <vector>

#include "search/FilterState.h"

class QCheckBox;
class QGridLayout;
class QPushButton;
class QToolButton;

namespace svdb {

// The filter panel FrameMenu across the top of the main window: the faction
// boxes (Frame1), the type boxes (Frame2), the rarity boxes (Frame4), the
// ability boxes (Frame5) and the character toolbar ToolbarChar. It owns the
// filter masks: MakeSeq reads the boxes into them, and the expansion menu
// switches their expansion bits through toggleExpansion. A click on any box
// reads the panel again and reports filterChanged. Ticking a colour box
// unticks "ALL" and ticking "ALL" unticks the colours; the type boxes enable
// or disable (and untick) the character-only and unit-only groups.
class FilterPane : public QFrame {
    Q_OBJECT

  public:
    explicit FilterPane(QWidget* parent = nullptr);

    // Reads the panel into the filter masks (all but the expansion bits).
    void MakeSeq();
    const FilterState& filterState() const { return filterState_; }

    // Switches the bits of expansion menu item index (0..15) and answers
    // whether all of them are now on: the item's check mark.
    bool toggleExpansion(int index);

    QCheckBox* factionBox(int index) const { return CheckColor_.at(index); }
    QCheckBox* kindBox(int index) const { return CBkind_.at(index); }
    // A faction or type box's value as the settings file keeps it: 0 clear,
    // 1 ticked, 2 greyed.
    int factionBoxValue(int index) const;
    int kindBoxValue(int index) const;
    // Sets a faction or type box to such a value; a box whose value changes
    // is handled as if the user had clicked it.
    void setFactionBoxValue(int index, int value);
    void setKindBoxValue(int index, int value);
    QCheckBox* rareBox(int index) const { return CheckRare_.at(index); }
    // The ability boxes of Frame5, column by column.
    const std::vector<QCheckBox*>& abilityBoxes() const { return abilityBoxes_; }
    // ToolbarChar buttons 1..6: "M", "F", "AD", "CH", "NT", "CO".
    QToolButton* charButton(int index) const { return ToolbarChar_.at(index - 1); }
    QFrame* charToolbar() const { return ToolbarCharFrame_; }
    // The button that stands in for the folded panel. It is not inside the
    // panel: the window places it, and it lives as long as the panel.
    QPushButton* menuButton() const { return CBmenu_; }

    // Lays the groups out in one row across the window, or narrow: in a
    // column beside the deck lists, the ability boxes in three columns.
    void setNarrow(bool narrow);
    bool isNarrow() const { return narrow_; }

    // --- Event handlers ---
    void CheckColor_Click(int index);
    void CBkind_Click(int index);
    void CheckRare_Click(int index);
    void Ability_Click(QCheckBox* box);
    void ToolbarChar_ButtonClick(int index);
    void CBmenu_Click();

  signals:
    // The masks changed: the card list is to be refilled.
    void filterChanged();
    // Frame2 was double-clicked: the panel asks to be folded away.
    void foldRequested();
    // CBmenu was clicked: the panel asks to be shown again.
    void unfoldRequested();
    // A right-button press on a box with keyword help: the help's title and
    // text, and whether the help file is opened too.
    void keywordHelpRequested(const QString& title, const QString& text, bool openHelpFile);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildFactionBoxes();
    QWidget* buildTypeBoxes();
    QWidget* buildRarityBoxes();
    QWidget* buildAbilityBoxes();
    QWidget* buildCharToolbar();
    void boxClicked();
    // Enables the character-only and unit-only groups as the type boxes say.
    void enableTypeGroups();

    FilterState filterState_;
    std::array<QCheckBox*, 8> CheckColor_{};
    std::array<QCheckBox*, 5> CBkind_{};
    std::array<QCheckBox*, 4> CheckRare_{};
    std::vector<QCheckBox*> abilityBoxes_;
    std::vector<std::uint32_t> abilityBits_;  // the bit of each box in abilityMask
    QPushButton* CBmenu_ = nullptr;
    QGridLayout* grid_ = nullptr;
    // Frame1, Frame2, Frame4, Frame5 and ToolbarChar.
    std::array<QWidget*, 5> groups_{};
    bool narrow_ = false;
    QFrame* ToolbarCharFrame_ = nullptr;
    std::array<QToolButton*, 6> ToolbarChar_{};
    // Raised while a faction box's handler unticks other faction boxes, so
    // that they do not react to it.
    std::uint8_t colourGuard_ = 0;
};

}  // namespace svdb
