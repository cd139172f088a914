#include "search/gui/FilterPane.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "catalogue/StringTable.h"
#include "search/FilterCaptions.h"
#include "search/FilterPanel.h"
#include "widgets/CompactCheckStyle.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

// A check box's value as the filter panel counts it: ticked, unticked or greyed.
int tickValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return kTicked;
        case Qt::PartiallyChecked:
            return kGreyed;
        default:
            return kUnticked;
    }
}

// Where each ability box sits in Frame5, five to a column: those that always
// apply, the widest unit abilities, the short unit abilities, and the
// character abilities.
struct BoxPlace {
    const char* name;
    int row;
    int column;
};
// clang-format off
constexpr BoxPlace kAbilityPlaces[] = {
    {"CheckPSArm", 0, 0},   {"CheckSupport", 1, 0}, {"CheckValture", 2, 0}, {"CheckPrivent", 3, 0},
    {"CbQuick", 4, 0},      {"CheckShild", 0, 1},   {"CbTaiki", 1, 1},      {"CheckHani", 2, 1},
    {"Check11", 3, 1},      {"Check21", 4, 1},      {"Check17", 0, 2},      {"CheckTire", 1, 2},
    {"CheckSokkou", 2, 2},  {"CheckKyousyu", 3, 2}, {"Check20", 4, 2},      {"CheckMizu", 0, 3},
    {"CBDesert", 1, 3},     {"Check16", 2, 3},      {"Check18", 3, 3},      {"Check19", 4, 3},
    {"CheckKamei", 0, 4},   {"CBkShusei", 1, 4},
};
// clang-format on

}  // namespace

FilterPane::FilterPane(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FrameMenu"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(Controls::kSpacing);
    groups_ = {buildFactionBoxes(), buildTypeBoxes(), buildRarityBoxes(), buildAbilityBoxes(),
               buildCharToolbar()};
    setNarrow(false);

    auto* compact = new CompactCheckStyle;
    compact->setParent(this);
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setStyle(compact);

    // Stands in for the panel while it is folded away; the window places it.
    CBmenu_ = Controls::button(nullptr, QStringLiteral("CBmenu"), u8("▼ 検索パネル"),
                               u8("検索パネルを元に戻します"));
    CBmenu_->setVisible(false);
    CBmenu_->setEnabled(false);
    connect(CBmenu_, &QPushButton::clicked, this, [this] { CBmenu_Click(); });
    connect(this, &QObject::destroyed, CBmenu_, [button = CBmenu_] {
        if (button->parent() == nullptr) delete button;
    });
}

void FilterPane::setNarrow(bool narrow) {
    narrow_ = narrow;
    for (QWidget* g : groups_) grid_->removeWidget(g);
    for (int c = 0; c < 5; ++c) grid_->setColumnStretch(c, 0);
    for (int r = 0; r < 3; ++r) grid_->setRowStretch(r, 0);
    auto& [factions, types, rarities, abilities, toolbar] = groups_;
    if (!narrow) {
        // One row across the window.
        grid_->addWidget(factions, 0, 0);
        grid_->addWidget(types, 0, 1);
        grid_->addWidget(rarities, 0, 2);
        grid_->addWidget(abilities, 0, 3);
        grid_->addWidget(toolbar, 0, 4);
        grid_->setColumnStretch(3, 1);
    } else {
        // A column: factions beside types, rarities beside the toolbar, and
        // the abilities below in three columns.
        grid_->addWidget(factions, 0, 0);
        grid_->addWidget(types, 0, 1);
        grid_->addWidget(rarities, 1, 0);
        grid_->addWidget(toolbar, 1, 1);
        grid_->addWidget(abilities, 2, 0, 1, 2);
        grid_->setRowStretch(2, 1);
    }
    auto* boxes = static_cast<QGridLayout*>(abilities->layout());
    for (QCheckBox* box : abilityBoxes_) boxes->removeWidget(box);
    for (std::size_t i = 0; i < abilityBoxes_.size(); ++i) {
        const int k = static_cast<int>(i);
        if (narrow) {
            boxes->addWidget(abilityBoxes_[i], k % 8, k / 8);
        } else {
            boxes->addWidget(abilityBoxes_[i], kAbilityPlaces[i].row, kAbilityPlaces[i].column);
        }
    }
}

QWidget* FilterPane::buildFactionBoxes() {
    auto* frame = Controls::group(this, QStringLiteral("Frame1"), u8("勢力"),
                                  u8("検索したい勢力をチェックしてください"));
    static const char* const tips[8] = {"",
                                        "連邦",
                                        "ジオン公国",
                                        "ティターンズ/ザンスカール",
                                        "ネオジオン/クロスボーン",
                                        "∀",
                                        "ウィング",
                                        ""};
    auto* g = Controls::tightGrid(frame);
    for (int i = 0; i < 8; ++i) {
        CheckColor_[i] = Controls::check(frame, Controls::indexed("CheckColor", i),
                                         toQString(FactionBoxes()[i].caption), u8(tips[i]));
        g->addWidget(CheckColor_[i], i % 4, i / 4);
        connect(CheckColor_[i], &QCheckBox::clicked, this, [this, i] { CheckColor_Click(i); });
    }
    g->setRowStretch(4, 1);
    return frame;
}

QWidget* FilterPane::buildTypeBoxes() {
    auto* frame = Controls::group(this, QStringLiteral("Frame2"), u8("種別"),
                                  u8("検索したい種別をチェックしてください"));
    auto* g = Controls::tightGrid(frame);
    for (int i = 0; i < 5; ++i) {
        CBkind_[i] = Controls::check(frame, Controls::indexed("CBkind", i),
                                     toQString(TypeBoxes()[i].caption));
        g->addWidget(CBkind_[i], i, 0);
        connect(CBkind_[i], &QCheckBox::clicked, this, [this, i] { CBkind_Click(i); });
    }
    frame->installEventFilter(this);
    return frame;
}

QWidget* FilterPane::buildRarityBoxes() {
    auto* frame = Controls::group(this, QStringLiteral("Frame4"), u8("Rarity"),
                                  u8("検索したいレアリティをチェックしてください"));
    auto* g = Controls::tightGrid(frame);
    for (int i = 0; i < 4; ++i) {
        CheckRare_[i] = Controls::check(frame, Controls::indexed("CheckRare", i),
                                        toQString(RarityBoxes()[i].caption));
        g->addWidget(CheckRare_[i], i, 0);
        connect(CheckRare_[i], &QCheckBox::clicked, this, [this, i] { CheckRare_Click(i); });
    }
    g->setRowStretch(4, 1);
    return frame;
}

QWidget* FilterPane::buildAbilityBoxes() {
    auto* frame = Controls::group(this, QStringLiteral("Frame5"), u8("能力"),
                                  u8("検索したい能力をチェックしてください"));
    auto* g = Controls::tightGrid(frame);
    g->setHorizontalSpacing(4);
    // Created column by column, so that the Tab key walks them in that order.
    for (const BoxPlace& p : kAbilityPlaces) {
        for (const AbilityBox& a : AbilityBoxes()) {
            if (a.objectName != p.name) continue;
            auto* box = Controls::check(frame, toQString(a.objectName), toQString(a.caption));
            abilityBoxes_.push_back(box);
            abilityBits_.push_back(a.bit);
            g->addWidget(box, p.row, p.column);
            connect(box, &QCheckBox::clicked, this, [this, box] { Ability_Click(box); });
            box->installEventFilter(this);  // the keyword help of some boxes
        }
    }
    return frame;
}

QWidget* FilterPane::buildCharToolbar() {
    // Gender, age and kind of a character.
    ToolbarCharFrame_ = Controls::named(new QFrame(this), QStringLiteral("ToolbarChar"));
    auto* g = new QGridLayout(ToolbarCharFrame_);
    g->setContentsMargins(0, 8, 0, 0);
    g->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        const CharButton& c = CharButtons()[static_cast<std::size_t>(i)];
        auto* b = Controls::named(new QToolButton(ToolbarCharFrame_),
                                  Controls::indexed("ToolbarChar", i + 1), toQString(c.toolTip));
        b->setText(toQString(c.caption));
        b->setCheckable(true);
        b->setFixedSize(26, 24);
        ToolbarChar_[i] = b;
        g->addWidget(b, i / 2, i % 2);
        connect(b, &QToolButton::clicked, this, [this, i] { ToolbarChar_ButtonClick(i + 1); });
    }
    g->setRowStretch(3, 1);
    return ToolbarCharFrame_;
}

void FilterPane::MakeSeq() {
    FilterPanel panel;
    for (std::size_t i = 0; i < CheckColor_.size(); ++i) {
        panel.checkColor[i] = tickValue(CheckColor_[i]);
    }
    for (std::size_t i = 0; i < CBkind_.size(); ++i) panel.cbKind[i] = tickValue(CBkind_[i]);
    for (std::size_t i = 0; i < CheckRare_.size(); ++i) {
        panel.checkRare[i] = tickValue(CheckRare_[i]);
    }
    for (std::size_t i = 0; i < abilityBoxes_.size(); ++i) {
        if (tickValue(abilityBoxes_[i]) == kTicked) panel.abilityTicks |= abilityBits_[i];
    }
    panel.frame5Enabled = abilityBoxes_.front()->parentWidget()->isEnabled();
    for (std::size_t i = 0; i < ToolbarChar_.size(); ++i) {
        panel.toolbarChar[i] = ToolbarChar_[i]->isChecked();
    }
    panel.toolbarEnabled = ToolbarCharFrame_->isEnabled();
    svdb::MakeSeq(panel, filterState_);
}

bool FilterPane::toggleExpansion(int index) {
    if (index < 0 || index >= static_cast<int>(ExpansionMenuItems().size())) return false;
    const std::uint32_t bits = ExpansionMenuItems()[static_cast<std::size_t>(index)].bits;
    filterState_.expansionMask ^= bits;
    return (filterState_.expansionMask & bits) == bits;
}

void FilterPane::boxClicked() {
    MakeSeq();
    emit filterChanged();
}

void FilterPane::CheckColor_Click(int index) {
    if (colourGuard_ != 0) return;
    std::array<int, 8> ticks{};
    for (std::size_t i = 0; i < CheckColor_.size(); ++i) ticks[i] = tickValue(CheckColor_[i]);
    ExcludeFactionBoxes(ticks, index);
    ++colourGuard_;
    for (std::size_t i = 0; i < CheckColor_.size(); ++i) {
        if (ticks[i] == kUnticked && CheckColor_[i]->checkState() != Qt::Unchecked) {
            CheckColor_[i]->setCheckState(Qt::Unchecked);
        }
    }
    boxClicked();
    colourGuard_ = 0;
}

void FilterPane::CBkind_Click(int) {
    enableTypeGroups();
    boxClicked();
}

void FilterPane::enableTypeGroups() {
    std::array<int, 5> ticks{};
    for (std::size_t i = 0; i < CBkind_.size(); ++i) ticks[i] = tickValue(CBkind_[i]);
    const TypeGroups groups = TypeGroupsFor(ticks);
    // The toolbar's pressed buttons stay pressed; MakeSeq passes them over
    // while it is disabled.
    ToolbarCharFrame_->setEnabled(groups.characterOnly);
    for (std::size_t i = 0; i < abilityBoxes_.size(); ++i) {
        bool enabled = true;
        if (abilityBits_[i] & kCharacterOnlyAbilities) enabled = groups.characterOnly;
        if (abilityBits_[i] & kUnitOnlyAbilities) enabled = groups.unitOnly;
        QCheckBox* box = abilityBoxes_[i];
        if (!enabled) box->setCheckState(Qt::Unchecked);
        box->setEnabled(enabled);
    }
}

void FilterPane::CheckRare_Click(int) {
    boxClicked();
}
void FilterPane::Ability_Click(QCheckBox*) {
    boxClicked();
}
void FilterPane::ToolbarChar_ButtonClick(int) {
    boxClicked();
}
void FilterPane::CBmenu_Click() {
    emit unfoldRequested();
}

bool FilterPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        watched->objectName() == QLatin1String("Frame2")) {
        emit foldRequested();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // The keyword help of four ability boxes.
        struct Help {
            const char* box;
            const char* title;
            int stringId;
        };
        static const Help helps[] = {{"Check11", "サイコミュ（Ｘ）とは", 211},
                                     {"Check18", "艦船とは", 210},
                                     {"Check19", "変形とは", 208},
                                     {"CbQuick", "クイックとは", 209}};
        for (const Help& h : helps) {
            if (watched->objectName() != QLatin1String(h.box)) continue;
            emit keywordHelpRequested(u8(h.title), toQString(StringTable::text(h.stringId)),
                                      h.stringId == 211);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

int FilterPane::factionBoxValue(int index) const {
    return tickValue(CheckColor_.at(static_cast<std::size_t>(index)));
}

int FilterPane::kindBoxValue(int index) const {
    return tickValue(CBkind_.at(static_cast<std::size_t>(index)));
}

namespace {

// Sets a box to a settings value; true when its value changed.
bool setTickValue(QCheckBox* box, int value) {
    const Qt::CheckState state = value == kTicked   ? Qt::Checked
                                 : value == kGreyed ? Qt::PartiallyChecked
                                                    : Qt::Unchecked;
    if (box->checkState() == state) return false;
    box->setCheckState(state);
    return true;
}

}  // namespace

void FilterPane::setFactionBoxValue(int index, int value) {
    if (setTickValue(CheckColor_.at(static_cast<std::size_t>(index)), value)) {
        CheckColor_Click(index);
    }
}

void FilterPane::setKindBoxValue(int index, int value) {
    if (setTickValue(CBkind_.at(static_cast<std::size_t>(index)), value)) CBkind_Click(index);
}

}  // namespace svdb
