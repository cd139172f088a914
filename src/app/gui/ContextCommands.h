#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace svdb {

class CardInfoPanel;
class CardListPane;
class CardTable;
class DeckModel;
class ProgramOptions;

// The commands of the pop-up menu contextmenu: ToClipboard 1 "クリップボードへ",
// 2 "トレードモードでコピー" and 3 "カード情報のコピー" put text on the
// clipboard, taken from what the menu was opened on (the options' context
// source: a deck list, the card list or the card-information panel);
// ContextOutput2File "ファイル出力" writes the card information of every card
// the card list shows into "outest.txt" in the program's own writable folder
// (its folder, unless installed), and says why in the error box when it cannot.
class ContextCommands : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kCardInfoFileName = "outest.txt";

    // window parents the message boxes; every reference outlives the
    // commands.
    ContextCommands(const CardTable& table, const DeckModel& deck, ProgramOptions& options,
                    const CardListPane& cards, const CardInfoPanel& info, QWidget* window);

    // ToClipboard index 1..3. Copying a deck with an empty main deck leaves
    // the clipboard as it was.
    void ToClipboard_Click(int index);
    void ContextOutput2File_Click();

    // The folder "outest.txt" is written to: the program's own writable
    // folder (AppFolders::writableFolder) unless set.
    QString programFolder() const { return programFolder_; }
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    QString cardInfoFilePath() const;

  private:
    // The text the copy command index gives for the current context source,
    // if it gives one.
    std::optional<std::string> clipboardText(int index) const;

    const CardTable& table_;
    const DeckModel& deck_;
    ProgramOptions& options_;
    const CardListPane& cards_;
    const CardInfoPanel& info_;
    QWidget* window_;
    QString programFolder_;
};

}  // namespace svdb
