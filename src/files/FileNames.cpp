#include "files/FileNames.h"

#include <algorithm>
#include <cstddef>

namespace svdb {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsLowered(std::string_view text, std::string_view lower) {
    return std::ranges::equal(text, lower, [](char a, char b) { return LowerAscii(a) == b; });
}

}  // namespace

std::string EnsureExtension(std::string_view name, std::string_view extension) {
    if (name.empty()) return {};
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && EqualsLowered(name.substr(dot + 1), extension)) {
        return std::string(name);
    }
    std::string out(name);
    out += '.';
    out += extension;
    return out;
}

const FileWindowSetup& SetupOf(FilePurpose purpose) {
    // clang-format off
    static const FileWindowSetup setups[] = {
        {"File Open",       "Open", "*.csv", false,  1, true,  "LIST", false},
        {"File(DECK) Open", "Open", "*.txt", true,   0, true,  "DECK", false},
        {"File Save",       "Save", "*.txt", true,   0, true,  "DECK", true},
        {"XML出力",         "Save", "*.xml", false, -1, false, "XML",  true},
        {"HTML出力",        "Save", "*.htm", false, -1, false, "HTML", true},
        {"PDF出力",         "Save", "*.pdf", false, -1, false, "PDF",  true},
    };
    // clang-format on
    return setups[static_cast<int>(purpose)];
}

const std::array<std::string_view, 3>& FileTypeCaptions() {
    static const std::array<std::string_view, 3> captions = {
        "テキストファイル(*.txt)", "CSVファイル(*.csv)", "全てのファイル(*.*)"};
    return captions;
}

FileChoice StartChoice(FilePurpose purpose) {
    const FileWindowSetup& s = SetupOf(purpose);
    return FileChoice{purpose, std::string(s.fileMode), std::string(s.pattern), s.typeIndex, false};
}

void ChooseFileType(FileChoice& choice, int index) {
    choice.typeIndex = index;
    choice.commaSeparated = index == 1;
    choice.fileMode = index == 1 ? "CSV" : "DECK";
    choice.pattern = index == 1 ? "*.csv" : index == 2 ? "*.*" : "*.txt";
}

void SetCommaSeparated(FileChoice& choice, bool ticked) {
    const bool deckWindow =
        choice.purpose == FilePurpose::OpenDeck || choice.purpose == FilePurpose::SaveDeck;
    if (ticked || deckWindow) {
        ChooseFileType(choice, ticked ? 1 : 0);
    } else {
        choice.commaSeparated = false;
    }
}

FileRequest OpenRequest(const FileChoice& choice, std::string path) {
    FileAction action = FileAction::OpenCardList;
    if (choice.fileMode == "DECK") {
        action = choice.commaSeparated ? FileAction::OpenDeckCsv : FileAction::OpenDeckText;
    } else if (choice.fileMode == "CSV" && choice.purpose == FilePurpose::OpenDeck) {
        action = FileAction::OpenDeckCsv;
    }
    return FileRequest{action, std::move(path)};
}

std::optional<FileRequest> SaveRequest(FileChoice& choice, std::string_view text) {
    if (!NamesAFile(text)) return std::nullopt;
    if (choice.fileMode == "HTML") {
        return FileRequest{FileAction::SaveHtml, EnsureExtension(text, "htm")};
    }
    if (choice.fileMode == "PDF") {
        return FileRequest{FileAction::SavePdf, EnsureExtension(text, "pdf")};
    }
    if (choice.fileMode == "XML") {
        return FileRequest{FileAction::SaveXml, EnsureExtension(text, "xml")};
    }
    std::string path;
    if (choice.typeIndex == 1) {
        path = EnsureExtension(text, "csv");
        choice.commaSeparated = true;
    } else if (choice.typeIndex == 2) {
        path = std::string(text);
        choice.pattern = "*.*";
        choice.commaSeparated = false;
    } else {
        path = EnsureExtension(text, "txt");
        choice.commaSeparated = false;
    }
    const FileAction action =
        choice.fileMode == "DECK" ? FileAction::SaveDeckText : FileAction::SaveDeckCsv;
    return FileRequest{action, std::move(path)};
}

bool NamesAFile(std::string_view path) {
    return !path.empty() && path.back() != '/';
}

std::string PathInFolder(std::string_view text, std::string_view folder) {
    if (text.starts_with('/')) return std::string(text);
    std::string out(folder);
    out += text;
    return out;
}

}  // namespace svdb
