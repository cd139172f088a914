#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "files/DeckPrintout.h"
#include "files/gui/DeckPrintPage.h"
#include "text/FileBytes.h"

namespace svdb {
namespace {

using Kind = PrintoutRow::Kind;

DeckPrintout Printout(int cards) {
    DeckPrintout p{"速攻デッキ", {{Kind::Heading, {}, {}, "メインデッキ", 0}}};
    for (int i = 1; i <= cards; ++i) {
        p.rows.push_back({Kind::Card, "ティターンズ", "U-" + std::to_string(i),
                          "ヘルムート" + std::to_string(i), 3});
    }
    p.rows.push_back({Kind::Figure, {}, {}, "合計", 3 * cards});
    return p;
}

// The text pdftotext reads from the PDF, page after page ("\f" between).
QString PdfText(const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          QString::fromStdString(path), QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A small deck fits one page; a deck far beyond one page goes on more pages
// rather than losing its last rows. The text is real text in Japanese.
TEST(DeckPrintPage, ThePdfHoldsEveryRowAsText) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    struct Row {
        int cards;
        int pages;
    };
    for (const Row r : {Row{12, 1}, Row{200, 2}}) {
        SCOPED_TRACE(r.cards);
        const std::string path = (dir.path() + QStringLiteral("/deck.pdf")).toStdString();
        std::string reason;
        ASSERT_TRUE(DeckPrintPage(Printout(r.cards)).writePdf(path, &reason)) << reason;
        ASSERT_TRUE(ReadFileBytes(path).value_or("").starts_with("%PDF-"));
        const QString text = PdfText(path);
        EXPECT_EQ(text.count(QLatin1Char('\f')), r.pages);
        EXPECT_TRUE(text.contains(QStringLiteral("速攻デッキ"))) << text.toStdString();
        for (int i : {1, r.cards}) {
            EXPECT_TRUE(text.contains(QStringLiteral("ヘルムート%1").arg(i))) << i;
        }
        EXPECT_TRUE(text.contains(QStringLiteral("%1枚").arg(3 * r.cards)));
    }
}

}  // namespace
}  // namespace svdb
