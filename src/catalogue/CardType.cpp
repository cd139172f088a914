#include "catalogue/CardType.h"

namespace svdb {

CardType CardTypeCodeOf(std::string_view n) {
    if (n.starts_with("SP-") || n.starts_with("U-") || n.starts_with("SPOL-")) return CardType::Unit;
    if (n.starts_with("CH-")) return CardType::Character;
    if (n.starts_with("SPC-") || n.starts_with("C-")) return CardType::Command;
    if (n.starts_with("O-")) return CardType::Operation;
    if (n.starts_with("G-")) return CardType::Generation;
    return CardType::None;
}

std::string_view CardTypeWord(CardType type) {
    switch (type) {
        case CardType::Unit: return "UNIT";
        case CardType::Character: return "CHARACTER";
        case CardType::Command: return "COMMAND";
        case CardType::Operation: return "OPERATION";
        case CardType::Generation: return "GENERATION";
        case CardType::None: break;
    }
    return {};
}

std::string_view CardTypeOf(std::string_view cardNumber) {
    return CardTypeWord(CardTypeCodeOf(cardNumber));
}

}  // namespace svdb
