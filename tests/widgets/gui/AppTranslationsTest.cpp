#include "widgets/AppTranslations.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

namespace svdb {
namespace {

// Drops the keyboard mnemonic: "はい(&Y)" -> "はい", "&Open" -> "Open".
QString withoutMnemonic(QString text) {
    static const QRegularExpression kSuffix(QStringLiteral("\\(&.\\)"));
    return text.remove(kSuffix).remove(QLatin1Char('&'));
}

class AppTranslationsTest : public ::testing::Test {
  protected:
    // The catalogue is application-wide: take it away again so the other
    // tests of this program see the texts they always saw.
    void TearDown() override {
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(QLocale::system());
    }
};

TEST_F(AppTranslationsTest, StandardDialogsSpeakJapanese) {
    ASSERT_TRUE(AppTranslations::install()) << "qtbase_ja.qm is missing: install "
                                               "qt6-translations-l10n";
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                           QMessageBox::Ok);
    const struct {
        QMessageBox::StandardButton button;
        const char* label;  // mnemonic dropped; Qt's full text beside each
    } buttons[] = {
        {QMessageBox::Yes, "はい"},           // "はい(&Y)"
        {QMessageBox::No, "いいえ"},          // "いいえ(&N)"
        {QMessageBox::Cancel, "キャンセル"},  // "キャンセル"
        {QMessageBox::Ok, "OK"},              // "OK"
    };
    for (const auto& b : buttons) {
        ASSERT_NE(box.button(b.button), nullptr);
        EXPECT_EQ(withoutMnemonic(box.button(b.button)->text()), QString::fromUtf8(b.label));
    }

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const struct {
        QFileDialog::DialogLabel label;
        const char* text;
    } labels[] = {
        {QFileDialog::FileName, "ファイル名:"},  // "ファイル名(&N):"
        {QFileDialog::FileType, "ファイルの種類:"},
        {QFileDialog::Accept, "開く"},  // "開く(&O)"
        {QFileDialog::Reject, "キャンセル"},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(withoutMnemonic(dialog.labelText(l.label)), QString::fromUtf8(l.text));
    }
}

}  // namespace
}  // namespace svdb
