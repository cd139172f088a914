#include "app/gui/ContextCommands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <vector>

#include "app/gui/AppFolders.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "deck/ProgramOptions.h"
#include "files/CardInfoText.h"
#include "files/ClipboardText.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

ContextCommands::ContextCommands(const CardTable& table, const DeckModel& deck,
                                 ProgramOptions& options, const CardListPane& cards,
                                 const CardInfoPanel& info, QWidget* window)
    : QObject(window),
      table_(table),
      deck_(deck),
      options_(options),
      cards_(cards),
      info_(info),
      window_(window),
      programFolder_(AppFolders::writableFolder(QCoreApplication::applicationDirPath())) {}

QString ContextCommands::cardInfoFilePath() const {
    return QDir(programFolder_).filePath(QLatin1String(kCardInfoFileName));
}

std::optional<std::string> ContextCommands::clipboardText(int index) const {
    switch (options_.contextSource()) {
        case ProgramOptions::kFromDeckList:
            if (index != 1 && index != 2) break;
            return DeckClipboardText(deck_.list(DeckModel::kMain).rows,
                                     deck_.list(DeckModel::kSide).rows,
                                     deck_.total(DeckModel::kMain),
                                     index == 2 ? DeckCopyMode::Trade : DeckCopyMode::Normal);
        case ProgramOptions::kFromCardList: {
            if (index != 1) break;
            const CardListModel* model = cards_.model();
            std::vector<CardListRow> rows;
            rows.reserve(static_cast<std::size_t>(model->rowCount()));
            for (int r = 0; r < model->rowCount(); ++r) rows.push_back(model->rowAt(r));
            return CardListClipboardText(rows);
        }
        case ProgramOptions::kFromCardInfo:
            if (index != 1 && index != 3) break;
            return CardInfoClipboardText(info_.shownTexts());
        default:
            break;
    }
    return std::nullopt;
}

void ContextCommands::ToClipboard_Click(int index) {
    // The card information is copied from the panel wherever the menu was
    // opened.
    if (index == 3) options_.setContextSource(ProgramOptions::kFromCardInfo);
    const std::optional<std::string> text = clipboardText(index);
    if (text) QGuiApplication::clipboard()->setText(toQString(*text));
}

void ContextCommands::ContextOutput2File_Click() {
    const CardListModel* model = cards_.model();
    std::vector<CardRef> listed;
    listed.reserve(static_cast<std::size_t>(model->rowCount()));
    for (int r = 0; r < model->rowCount(); ++r) listed.push_back(model->cardAt(r));
    const QString path = cardInfoFilePath();
    std::string reason;
    if (!WriteCardInfoFile(path.toStdString(), table_, listed, &reason)) {
        MessageBoxes::error(window_,
                            path + u8("\nファイルに出力できませんでした: ") + toQString(reason));
    }
}

}  // namespace svdb
