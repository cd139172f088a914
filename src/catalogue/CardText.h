#pragma once

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace svdb {

// A text field of a card record: UTF-8 characters and their length, read as a
// std::string_view.
//
// The loader points a field at the characters of the table's text arena
// (CardTable), which holds the decoded card list contiguously; the table
// keeps those characters for as long as the record holds them. Text assigned
// any other way, and every copy of a field, owns its own characters, so a
// copied record or table never refers to another table's arena.
class CardText {
  public:
    CardText() = default;
    CardText(std::string_view text) { assignOwned(text); }
    CardText(const char* text) : CardText(std::string_view(text)) {}
    CardText(const std::string& text) : CardText(std::string_view(text)) {}
    CardText(const CardText& other) { assignOwned(other.view()); }
    // A move takes over owned characters and copies ones owned elsewhere.
    CardText(CardText&& other) { take(other); }
    ~CardText() { release(); }

    CardText& operator=(const CardText& other) {
        if (this != &other) assign(other.view());
        return *this;
    }
    CardText& operator=(CardText&& other) {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    CardText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    CardText& operator=(const char* text) { return *this = std::string_view(text); }
    CardText& operator=(const std::string& text) { return *this = std::string_view(text); }

    operator std::string_view() const { return view(); }
    std::string_view view() const { return {data_, size_}; }
    std::string str() const { return std::string(data_, size_); }

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear() {
        release();
        data_ = "";
        size_ = 0;
    }

    friend bool operator==(const CardText& a, const CardText& b) { return a.view() == b.view(); }
    friend bool operator==(const CardText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CardText& a, const char* b) { return a.view() == b; }
    friend bool operator==(const CardText& a, const std::string& b) {
        return a.view() == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const CardText& a, const CardText& b) {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const CardText& a, std::string_view b) {
        return a.view() <=> b;
    }

  private:
    friend struct CardTextBinding;

    // Points at characters owned elsewhere (the table's arena); text must stay
    // valid and unchanged while this value refers to it.
    void refer(std::string_view text) {
        release();
        data_ = text.data();
        size_ = static_cast<std::uint32_t>(text.size());
    }

    void assign(std::string_view text);
    void assignOwned(std::string_view text);
    void take(CardText& other);
    void release() {
        if (owned_) {
            delete[] data_;
            owned_ = false;
        }
    }

    const char* data_ = "";
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

std::ostream& operator<<(std::ostream& os, const CardText& text);

}  // namespace svdb
