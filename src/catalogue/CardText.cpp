#include "catalogue/CardText.h"

#include <cstring>
#include <ostream>

namespace svdb {

void CardText::assignOwned(std::string_view text) {
    if (text.empty()) {
        data_ = "";
        size_ = 0;
        owned_ = false;
        return;
    }
    char* chars = new char[text.size() + 1];
    std::memcpy(chars, text.data(), text.size());
    chars[text.size()] = '\0';
    data_ = chars;
    size_ = static_cast<std::uint32_t>(text.size());
    owned_ = true;
}

void CardText::assign(std::string_view text) {
    // The new text may be part of the old one, so it is copied before the
    // old characters go.
    const char* old = owned_ ? data_ : nullptr;
    assignOwned(text);
    delete[] old;
}

void CardText::take(CardText& other) {
    if (other.owned_) {
        data_ = other.data_;
        size_ = other.size_;
        owned_ = true;
        other.data_ = "";
        other.size_ = 0;
        other.owned_ = false;
    } else {
        // Characters owned elsewhere are copied, as a copy would be.
        assignOwned(other.view());
    }
}

std::ostream& operator<<(std::ostream& os, const CardText& text) {
    return os << text.view();
}

}  // namespace svdb
