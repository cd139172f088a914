#pragma once

#include <string>
#include <string_view>

namespace svdb {

// Cuts UTF-8 text into pieces of width characters, each followed by CR LF.
// The pieces are numbered 0 to the text's length divided by width, rounded
// to the nearest whole number with halves to the even one, so the last piece
// may be empty: 25 characters by 10 give 10, 10 and 5; 9 by 10 give 9 and an
// empty piece; 4 by 10 give one piece. Empty text (or a width below 1) gives
// empty text.
std::string WrapText(std::string_view text, int width);

}  // namespace svdb
