#pragma once

#include <QFrame>
#include <array>
#include <cstdint>
#include <vector>

#include "search/FilterState.h"

class QCheckBox;
class QPushButton;
class QToolButton;

namespace svdb {

// The filter panel FrameMenu across the top of the main window: the faction
// boxes (Frame1), the type boxes (Frame2), the rarity boxes (Frame4), the
// ability boxes (Frame5) and the character toolbar ToolbarChar. It owns the
// filter masks: MakeSeq reads the boxes into them, and the expansion menu
// switches their expansion bits through toggleExpansion. A click on any box
// reads the panel again and reports filterChanged.
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
    QCheckBox* rareBox(int index) const { return CheckRare_.at(index); }
    // The ability boxes of Frame5, column by column.
    const std::vector<QCheckBox*>& abilityBoxes() const { return abilityBoxes_; }
    // ToolbarChar buttons 1..6: "M", "F", "AD", "CH", "NT", "CO".
    QToolButton* charButton(int index) const { return ToolbarChar_.at(index - 1); }
    QFrame* charToolbar() const { return ToolbarCharFrame_; }

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

  private:
    QWidget* buildFactionBoxes();
    QWidget* buildTypeBoxes();
    QWidget* buildRarityBoxes();
    QWidget* buildAbilityBoxes();
    QWidget* buildCharToolbar();
    void boxClicked();

    FilterState filterState_;
    std::array<QCheckBox*, 8> CheckColor_{};
    std::array<QCheckBox*, 5> CBkind_{};
    std::array<QCheckBox*, 4> CheckRare_{};
    std::vector<QCheckBox*> abilityBoxes_;
    std::vector<std::uint32_t> abilityBits_;  // the bit of each box in abilityMask
    QPushButton* CBmenu_ = nullptr;
    QFrame* ToolbarCharFrame_ = nullptr;
    std::array<QToolButton*, 6> ToolbarChar_{};
};

}  // namespace svdb
