#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/FileNames.h"

namespace svdb {
namespace {

TEST(FileNamesTest, EnsureExtension) {
    struct Row {
        const char* name;
        const char* extension;
        const char* expected;
    };
    // clang-format off
    const Row rows[] = {
        {"/d/deck",          "txt", "/d/deck.txt"},
        {"/d/deck.txt",      "txt", "/d/deck.txt"},
        {"/d/DECK.TXT",      "txt", "/d/DECK.TXT"},
        {"/d/deck.Csv",      "csv", "/d/deck.Csv"},
        {"/d/deck.csv",      "txt", "/d/deck.csv.txt"},
        {"/d/deck.txt.bak",  "txt", "/d/deck.txt.bak.txt"},
        {"/my.decks/deck",   "htm", "/my.decks/deck.htm"},
        {"/my.xml/deck",     "xml", "/my.xml/deck.xml"},
        {"/d/デッキ",        "xml", "/d/デッキ.xml"},
        {"",                 "txt", ""},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_EQ(EnsureExtension(r.name, r.extension), r.expected) << r.name;
    }
}

// What the window's choices make of an open, from each open window.
TEST(FileNamesTest, OpenFollowsTheChosenType) {
    enum Step { Type0, Type1, Type2, Tick, Clear };
    struct Row {
        FilePurpose purpose;
        std::vector<Step> steps;
        const char* fileMode;
        FileAction action;
    };
    // clang-format off
    const Row rows[] = {
        {FilePurpose::OpenCardList, {},             "LIST", FileAction::OpenCardList},
        {FilePurpose::OpenCardList, {Type1},        "CSV",  FileAction::OpenCardList},
        {FilePurpose::OpenCardList, {Type0},        "DECK", FileAction::OpenDeckText},
        {FilePurpose::OpenCardList, {Type0, Type1}, "CSV",  FileAction::OpenCardList},
        {FilePurpose::OpenCardList, {Type2},        "DECK", FileAction::OpenDeckText},
        {FilePurpose::OpenDeck,     {},             "DECK", FileAction::OpenDeckText},
        {FilePurpose::OpenDeck,     {Type1},        "CSV",  FileAction::OpenDeckCsv},
        {FilePurpose::OpenDeck,     {Tick},         "CSV",  FileAction::OpenDeckCsv},
        {FilePurpose::OpenDeck,     {Tick, Clear},  "DECK", FileAction::OpenDeckText},
        {FilePurpose::OpenDeck,     {Type1, Type2}, "DECK", FileAction::OpenDeckText},
    };
    // clang-format on
    for (const Row& r : rows) {
        FileChoice c = StartChoice(r.purpose);
        for (Step s : r.steps) {
            if (s == Tick || s == Clear) {
                SetCommaSeparated(c, s == Tick);
            } else {
                ChooseFileType(c, s - Type0);
            }
        }
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.purpose) << " " << r.steps.size());
        EXPECT_EQ(c.fileMode, r.fileMode);
        EXPECT_EQ(OpenRequest(c, "/d/x").action, r.action);
        // Once chosen, the type box and the comma box agree.
        if (!r.steps.empty()) {
            EXPECT_EQ(c.commaSeparated, c.typeIndex == 1);
        }
    }
}

TEST(FileNamesTest, SaveSettlesThePath) {
    struct Row {
        FilePurpose purpose;
        int type;  // chosen in Combo1 first; -1 leaves the set-up's
        const char* text;
        std::optional<FileRequest> expected;
        const char* pattern;
    };
    using A = FileAction;
    // clang-format off
    const Row rows[] = {
        {FilePurpose::SaveDeck, -1, "/d/deck",     FileRequest{A::SaveDeckText, "/d/deck.txt"},  "*.txt"},
        {FilePurpose::SaveDeck, -1, "/d/DECK.TXT", FileRequest{A::SaveDeckText, "/d/DECK.TXT"},  "*.txt"},
        {FilePurpose::SaveDeck,  1, "/d/deck",     FileRequest{A::SaveDeckCsv,  "/d/deck.csv"},  "*.csv"},
        {FilePurpose::SaveDeck,  1, "/d/deck.txt", FileRequest{A::SaveDeckCsv,  "/d/deck.txt.csv"}, "*.csv"},
        {FilePurpose::SaveDeck,  2, "/d/deck",     FileRequest{A::SaveDeckText, "/d/deck"},      "*.*"},
        {FilePurpose::SaveDeck,  0, "/d/a.b/deck", FileRequest{A::SaveDeckText, "/d/a.b/deck.txt"}, "*.txt"},
        {FilePurpose::SaveXml,  -1, "/d/deck.txt", FileRequest{A::SaveXml,      "/d/deck.txt.xml"}, "*.xml"},
        {FilePurpose::SaveXml,  -1, "/d/deck.XML", FileRequest{A::SaveXml,      "/d/deck.XML"},  "*.xml"},
        {FilePurpose::SaveHtml, -1, "/d/deck",     FileRequest{A::SaveHtml,     "/d/deck.htm"},  "*.htm"},
        {FilePurpose::SaveHtml, -1, "/d/deck.html", FileRequest{A::SaveHtml,    "/d/deck.html.htm"}, "*.htm"},
        {FilePurpose::SavePdf,  -1, "/d/デッキ",   FileRequest{A::SavePdf,      "/d/デッキ.pdf"}, "*.pdf"},
        {FilePurpose::SavePdf,  -1, "/d/deck.PDF", FileRequest{A::SavePdf,      "/d/deck.PDF"},  "*.pdf"},
        {FilePurpose::SaveDeck, -1, "/d/",         std::nullopt,                                 "*.txt"},
        {FilePurpose::SaveXml,  -1, "",            std::nullopt,                                 "*.xml"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        FileChoice c = StartChoice(r.purpose);
        if (r.type >= 0) ChooseFileType(c, r.type);
        EXPECT_EQ(SaveRequest(c, r.text), r.expected);
        EXPECT_EQ(c.pattern, r.pattern);
    }
}

TEST(FileNamesTest, ANameWithoutFolderIsTakenInTheShownFolder) {
    EXPECT_EQ(PathInFolder("deck", "/d/"), "/d/deck");
    EXPECT_EQ(PathInFolder("/e/deck", "/d/"), "/e/deck");
}

}  // namespace
}  // namespace svdb
