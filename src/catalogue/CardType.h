#pragma once

#include <string_view>

namespace svdb {

enum class CardType { None, Unit, Character, Command, Operation, Generation };

// Card type from the prefix of a card number: "SP-", "U-", "SPOL-" UNIT;
// "CH-" CHARACTER; "SPC-", "C-" COMMAND; "O-" OPERATION; "G-" GENERATION.
CardType CardTypeCodeOf(std::string_view cardNumber);

// The type word ("UNIT", "CHARACTER", "COMMAND", "OPERATION", "GENERATION"),
// or empty text for a number of no known type.
std::string_view CardTypeOf(std::string_view cardNumber);
std::string_view CardTypeWord(CardType type);

}  // namespace svdb
