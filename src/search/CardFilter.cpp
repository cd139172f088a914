#include "search/CardFilter.h"

#include "catalogue/CardType.h"
#include "catalogue/ValueInRange.h"
#include "search/FilterCaptions.h"

namespace svdb {

std::optional<SearchItem> SearchItemOf(std::string_view caption) {
    static constexpr SearchItem kItems[] = {SearchItem::NationCost,   SearchItem::AllCost,
                                            SearchItem::ResourceCost, SearchItem::Power,
                                            SearchItem::Shoot,        SearchItem::Toughness};
    const auto& captions = SearchItemCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == caption) return kItems[i];
    }
    return std::nullopt;
}

std::string SearchItemValue(const CardRecord& card, SearchItem item) {
    switch (item) {
        case SearchItem::NationCost:
            return std::to_string(card.nationCost);
        case SearchItem::AllCost:
            return std::to_string(card.allCost);
        case SearchItem::ResourceCost:
            return card.resourceCost.str();
        case SearchItem::Power:
            return card.front.power.str();
        case SearchItem::Shoot:
            return card.front.shoot.str();
        case SearchItem::Toughness:
            return card.front.toughness.str();
    }
    return {};
}

std::uint8_t CardTypeBit(std::string_view cardNumber) {
    switch (CardTypeCodeOf(cardNumber)) {
        case CardType::Unit:
            return kTypeUnit;
        case CardType::Character:
            return kTypeCharacter;
        case CardType::Command:
            return kTypeCommand;
        case CardType::Operation:
            return kTypeOperation;
        case CardType::Generation:
            return kTypeGeneration;
        case CardType::None:
            break;
    }
    return 0;
}

namespace {

std::uint8_t RarityBit(std::string_view rare) {
    for (const CaptionBit& box : RarityBoxes()) {
        if (box.caption == rare) return static_cast<std::uint8_t>(box.bit);
    }
    return 0;
}

// A pair of character codes: the mask is 0, or the code is one of the two
// and its bit is set.
bool PassesPair(std::uint8_t mask, std::string_view code, std::string_view first,
                std::uint8_t firstBit, std::string_view second, std::uint8_t secondBit) {
    if (mask == 0) return true;
    if (code == first) return (mask & firstBit) != 0;
    if (code == second) return (mask & secondBit) != 0;
    return false;
}

bool Contains(std::string_view field, std::string_view term) {
    return field.find(term) != std::string_view::npos;
}

}  // namespace

CardFilter::CardFilter(const FilterState& state, const SearchTexts& texts)
    : state_(state), texts_(texts) {
    numericActive_ = !texts.searchItem.empty() && !texts.minimum.empty();
    if (numericActive_) item_ = SearchItemOf(texts.searchItem);
    textActive_ = !texts.findTerm.empty();
}

bool CardFilter::passes(const CardRecord& card) const {
    // 1. Expansion. An index beyond the mask's 32 bits has no bit to set.
    if (state_.expansionMask != 0) {
        if (card.expansion >= 32) return false;
        if ((state_.expansionMask & (std::uint32_t{1} << card.expansion)) == 0) return false;
    }

    // 2. Type; a ticked type other than CHARACTER lets the character tests pass.
    bool characterTests = true;
    if (state_.typeMask != 0) {
        const std::uint8_t bit = CardTypeBit(card.cardNumber);
        if ((state_.typeMask & bit) == 0) return false;
        if (bit != kTypeCharacter) characterTests = false;
    }

    // 3. Rarity.
    if (state_.rarityMask != 0 && (state_.rarityMask & RarityBit(card.rare)) == 0) return false;

    // 4..6. Character codes, each pair by itself.
    if (characterTests) {
        if (!PassesPair(state_.genderMask, card.charGender, "M", 16, "F", 8)) return false;
        if (!PassesPair(state_.ageMask, card.charAge, "AD", 4, "CH", 2)) return false;
        if (!PassesPair(state_.kindMask, card.charKind, "NT", 1, "CO", 32)) return false;
    }

    // 7. Abilities: any ticked box whose test the card passes.
    if (state_.abilityMask != 0) {
        bool any = false;
        for (const AbilityBox& box : AbilityBoxes()) {
            if ((state_.abilityMask & box.bit) != 0 && box.passes(card)) {
                any = true;
                break;
            }
        }
        if (!any) return false;
    }

    // 8. Numeric search; 9. text search.
    return passesNumeric(card) && passesText(card);
}

bool CardFilter::restricts() const {
    return state_.expansionMask != 0 || state_.typeMask != 0 || state_.rarityMask != 0 ||
           state_.genderMask != 0 || state_.ageMask != 0 || state_.kindMask != 0 ||
           state_.abilityMask != 0 || numericActive_ || textActive_;
}

bool CardFilter::passesNumeric(const CardRecord& card) const {
    if (!numericActive_) return true;
    if (!item_) return false;  // a typed item of no known kind matches nothing
    const std::string value = SearchItemValue(card, *item_);
    if (!texts_.maximum.empty()) return ValueInRange(texts_.minimum, texts_.maximum, value);
    return texts_.minimum == value;
}

bool CardFilter::passesText(const CardRecord& card) const {
    if (!textActive_) return true;
    const std::string_view term = texts_.findTerm;
    return (texts_.findName && Contains(card.front.name, term)) ||
           (texts_.findText && Contains(card.front.text, term)) ||
           (texts_.findFlavor && Contains(card.front.flavor, term));
}

bool PassesFilter(const CardRecord& card, const FilterState& state, const SearchTexts& texts) {
    return CardFilter(state, texts).passes(card);
}

}  // namespace svdb
