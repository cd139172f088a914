#include "app/SvdeckDeckInput.h"

#include <utility>

#include "files/DeckCsvFile.h"
#include "files/DeckTextFile.h"
#include "files/FileNames.h"

namespace svdb {

SvdeckDeckInput SvdeckDeckInput::Read(const std::string& path) {
    SvdeckDeckInput deck;
    if (EnsureExtension(path, "csv") == path) {
        DeckCsvRead read = LoadDeckCsv(path);
        deck.opened = read.opened;
        deck.reason = std::move(read.reason);
        deck.mainRows = std::move(read.mainRows);
    } else {
        DeckTextRead read = LoadDeckText(path);
        deck.opened = read.opened;
        deck.reason = std::move(read.reason);
        deck.title = std::move(read.title);
        deck.mainRows = std::move(read.mainRows);
        deck.sideRows = std::move(read.sideRows);
    }
    return deck;
}

}  // namespace svdb
