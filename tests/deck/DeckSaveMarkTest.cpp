#include <gtest/gtest.h>

#include <functional>

#include "DeckTestSupport.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "deck/DeckSaveMark.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Ref;

class DeckSaveMarkTest : public ::testing::Test {
  public:
    // A deck opened under the title "t": two main-deck entries, one side-deck entry.
    void openDeck() {
        model.ReplaceDecks(
            {Entry("連邦", "U-1", "レイヴン", 3), Entry("ティターンズ", "U-4", "ヘルムート", 1)},
            {Entry("Seed", "U-7", "スパーダ", 1)});
        mark.setTitle("t");
        mark.markSaved();
    }
    void add(const char* number, int list) {
        const DeckHistory::Edit edit(&history);
        std::int16_t copies = 1;
        model.AddListItem(Ref(number), copies, list, {});
    }

    CardTable table = testing::MakeTestTable();
    DeckModel model{table};
    DeckHistory history{model};
    DeckSaveMark mark{model};
};

struct MarkCase {
    const char* name;
    std::function<void(DeckSaveMarkTest&, DeckModel&, DeckSaveMark&, DeckHistory&)> run;
    bool changed;
};

TEST_F(DeckSaveMarkTest, ChangedComparesWithTheDeckAsLastOpenedOrSaved) {
    using T = DeckSaveMarkTest;
    // clang-format off
    const MarkCase cases[] = {
        {"nothing done",            [](T&, DeckModel&, DeckSaveMark&, DeckHistory&) {}, false},
        {"a copy added",            [](T& t, DeckModel&, DeckSaveMark&, DeckHistory&) { t.add("CH-1", 0); }, true},
        {"a side-deck copy added",  [](T& t, DeckModel&, DeckSaveMark&, DeckHistory&) { t.add("U-2", 1); }, true},
        {"added, then undone",      [](T& t, DeckModel&, DeckSaveMark&, DeckHistory& h) { t.add("CH-1", 0); t.add("U-2", 1); h.Undo(); h.Undo(); }, false},
        {"undone, then redone",     [](T& t, DeckModel&, DeckSaveMark&, DeckHistory& h) { t.add("CH-1", 0); h.Undo(); h.Redo(); }, true},
        {"removed, then put back",  [](T& t, DeckModel& m, DeckSaveMark&, DeckHistory&) { m.RemoveOneCopy(0, 0); t.add("U-1", 0); }, false},
        {"rows reordered",          [](T&, DeckModel& m, DeckSaveMark&, DeckHistory&) { m.ReorderEntry(0, 1, 0); }, true},
        {"both lists cleared",      [](T&, DeckModel& m, DeckSaveMark&, DeckHistory&) { m.ClearDecks(); }, true},
        {"short faction names",     [](T&, DeckModel& m, DeckSaveMark&, DeckHistory&) { m.ApplyShortFactionNames(true); }, false},
        {"title renamed",           [](T&, DeckModel&, DeckSaveMark& k, DeckHistory&) { k.setTitle("u"); }, true},
        {"title renamed back",      [](T&, DeckModel&, DeckSaveMark& k, DeckHistory&) { k.setTitle("u"); k.setTitle("t"); }, false},
        {"edited, then saved",      [](T& t, DeckModel&, DeckSaveMark& k, DeckHistory&) { t.add("CH-1", 0); k.setTitle("u"); k.markSaved(); }, false},
        {"saved, then undone",      [](T& t, DeckModel&, DeckSaveMark& k, DeckHistory& h) { t.add("CH-1", 0); k.markSaved(); h.Undo(); }, true},
        // A comma-separated file holds the main deck alone.
        {"main edit, saved main",   [](T& t, DeckModel&, DeckSaveMark& k, DeckHistory&) { t.add("CH-1", 0); k.markMainSaved(); }, false},
        {"side edit, saved main",   [](T& t, DeckModel&, DeckSaveMark& k, DeckHistory&) { t.add("U-2", 1); k.markMainSaved(); }, true},
        {"renamed, saved main",     [](T&, DeckModel&, DeckSaveMark& k, DeckHistory&) { k.setTitle("u"); k.markMainSaved(); }, true},
    };
    // clang-format on
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.name);
        openDeck();
        ASSERT_FALSE(mark.changed());
        c.run(*this, model, mark, history);
        EXPECT_EQ(mark.changed(), c.changed);
    }
}

TEST_F(DeckSaveMarkTest, TheHandlerIsToldOnlyWhenChangedTurns) {
    EXPECT_FALSE(mark.changed());  // a new mark over an empty deck
    int turns = 0;
    mark.setChangedHandler([&turns] { ++turns; });
    add("U-1", 0);
    add("U-1", 0);
    mark.setTitle("x");
    EXPECT_EQ(turns, 1);
    mark.setTitle("");
    history.Undo();
    EXPECT_EQ(turns, 1);
    history.Undo();
    EXPECT_EQ(turns, 2);
    EXPECT_FALSE(mark.changed());
}

}  // namespace
}  // namespace svdb
