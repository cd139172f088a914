#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace svdb {

// name + "." + extension unless the part after the name's last "." is already
// the extension in any letter case; extension is given in lower case. A dot in
// a folder name of the path does not count: "/a.b/deck" gets the extension.
// An empty name stays empty.
std::string EnsureExtension(std::string_view name, std::string_view extension);

// The menu items that show the file window, one purpose each: "開く(DB)",
// "開く(DECK)", "保存", "XMLで保存", "HTMLで保存", "PDFで保存".
enum class FilePurpose { OpenCardList, OpenDeck, SaveDeck, SaveXml, SaveHtml, SavePdf };

// What the window's action asks its caller to do with the path it settled.
enum class FileAction {
    OpenCardList,
    OpenDeckText,
    OpenDeckCsv,
    SaveDeckText,
    SaveDeckCsv,
    SaveXml,
    SaveHtml,
    SavePdf,
};

struct FileRequest {
    FileAction action = FileAction::OpenCardList;
    std::string path;

    bool operator==(const FileRequest&) const = default;
};

// How a menu item sets the window up.
struct FileWindowSetup {
    std::string_view caption;        // the window's caption
    std::string_view actionCaption;  // Command1: "Open" or "Save"
    std::string_view pattern;        // File1's pattern
    bool commaBoxShown;              // Check1 enabled and visible; else disabled and hidden
    int typeIndex;                   // the Combo1 item shown; -1 none
    bool typeBoxEnabled;             // Combo1
    std::string_view fileMode;       // "LIST", "DECK", "CSV", "XML", "HTML" or "PDF"
    bool saves;                      // the action saves rather than opens
};

const FileWindowSetup& SetupOf(FilePurpose purpose);

// Combo1's items by index: "テキストファイル(*.txt)", "CSVファイル(*.csv)",
// "全てのファイル(*.*)".
const std::array<std::string_view, 3>& FileTypeCaptions();

// The window's choice of type as Combo1 and Check1 leave it.
struct FileChoice {
    FilePurpose purpose = FilePurpose::OpenCardList;
    std::string fileMode;
    std::string pattern;
    int typeIndex = -1;
    bool commaSeparated = false;  // Check1 ticked

    bool operator==(const FileChoice&) const = default;
};

// The choice a menu item starts the window with.
FileChoice StartChoice(FilePurpose purpose);

// Choosing Combo1's item index: 1 is comma-separated ("*.csv", "CSV", Check1
// ticked), 2 any file as deck text ("*.*", "DECK"), anything else deck text
// ("*.txt", "DECK").
void ChooseFileType(FileChoice& choice, int index);

// Ticking Check1 chooses the comma-separated type. Clearing it goes back to
// deck text in both deck windows; elsewhere the box is hidden and nothing
// else changes.
void SetCommaSeparated(FileChoice& choice, bool ticked);

// Open: "DECK" reads a deck, comma-separated when Check1 is ticked; "CSV"
// reads a comma-separated deck in the deck window and the card list in the
// card-list window; anything else reads the card list.
FileRequest OpenRequest(const FileChoice& choice, std::string path);

// Save: settles the path from the file name box and updates the choice as the
// type decides (Check1, and "*.*" for any file). XML, HTML and PDF always end
// in "xml", "htm" and "pdf"; the deck types by Combo1: "csv", the name unchanged, or
// "txt". Nothing when the box names no file.
std::optional<FileRequest> SaveRequest(FileChoice& choice, std::string_view text);

// Whether the path names a file: something follows its last "/".
bool NamesAFile(std::string_view path);

// The file name box as a path: a name without a folder is taken in folder,
// which ends in "/".
std::string PathInFolder(std::string_view text, std::string_view folder);

}  // namespace svdb
