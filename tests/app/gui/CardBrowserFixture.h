#pragma once

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "deck/gui/DeckPane.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"
#include "search/gui/FilterPane.h"
#include "search/gui/SearchPane.h"
#include "stats/gui/DeckInfoPane.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '"' << l.join(QStringLiteral(" ")).toStdString() << '"';
}

namespace svdb {

// A small catalogue of the tests' own and a main window over it, shown. With
// "ALL" ticked the card list reads, in walk order:
//   1 連邦 U-2, 2 連邦 U-10, 3 連邦 CH-1, 4 ジオン U-5, 5 ジオン C-3,
//   6 ティターンズ U-7, 7 ザンスカール U-8, 8 Seed U-9
// so its faction groups start at rows 1, 4, 6, 7 and 8.
class CardBrowserFixture : public ::testing::Test {
  protected:
    struct Card {
        int slot;
        int row;
        const char* faction;
        const char* number;
        const char* name;
        const char* rare;
        int expansion;
    };

    static CardRecord& Put(CardTable& t, const Card& c) {
        CardRecord& r = t.at(c.slot, c.row);
        r.faction = c.faction;
        r.cardNumber = c.number;
        r.front.name = c.name;
        r.rare = c.rare;
        r.expansion = static_cast<std::uint8_t>(c.expansion);
        return r;
    }

    void SetUp() override {
        using namespace std::string_literals;
        Put(table, {0, 0, "連邦", "U-2", "タンクル", "Common", 0}).front.power = "3"s;
        Put(table, {0, 1, "連邦", "U-10", "ポッド", "Uncommon", 1}).front.rapid = true;
        CardRecord& rio = Put(table, {0, 3, "連邦", "CH-1", "リオ", "Rare", 2});
        rio.charGender = "M"s;
        rio.front.text = "グラナトを破壊する"s;
        Put(table, {1, 0, "ジオン", "U-5", "グラナト", "Common", 1}).front.assault = true;
        Put(table, {1, 1, "ジオン", "C-3", "ジオンの作戦", "Rare", 4}).charGender = "F"s;
        Put(table, {2, 0, "ティターンズ", "U-7", "ヘルムート", "Common", 3}).front.power = "3"s;
        Put(table, {2, 1, "ザンスカール", "U-8", "ゾルダ", "Special", 30});
        Put(table, {5, 4, "Seed", "U-9", "スパーダ", "Common", 0});
        table.FactionChangeCount = 5;

        window = std::make_unique<MainWindow>(table);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    QTableView* list() const { return window->cardListPane()->view(); }
    CardListModel* model() const { return window->cardListPane()->model(); }

    // Column texts of the listed rows, top to bottom.
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r) out << model()->index(r, c).data().toString();
        return out;
    }
    QStringList numbers() const { return column(CardListModel::kCardNumber); }
    // The card number of the card the information panel shows, if any.
    QString shownNumber() const {
        const std::optional<CardRef> card = window->cardInfo()->shownCard();
        if (!card) return {};
        return QString::fromStdString(std::string(table.at(card->slot, card->row).cardNumber));
    }

    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        const QRect rect = list()->visualRect(model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), button, {}, rect.center());
    }
    void clickHeader(int column) {
        QHeaderView* h = list()->horizontalHeader();
        const int x = h->sectionViewportPosition(column) + h->sectionSize(column) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
    }

    CardTable table;
    std::unique_ptr<MainWindow> window;
};

}  // namespace svdb
