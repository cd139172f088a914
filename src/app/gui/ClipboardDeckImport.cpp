#include "app/gui/ClipboardDeckImport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

#include "app/gui/FileCommands.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "deck/gui/DeckPane.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

ClipboardDeckImport::ClipboardDeckImport(DeckModel& deck, DeckPane& deckPane, FileCommands& files,
                                         QWidget* window)
    : QObject(window), deck_(deck), deckPane_(deckPane), files_(files), window_(window) {}

void ClipboardDeckImport::tell(const QString& text, QMessageBox::Icon icon) const {
    MessageBoxes::show(window_, MessageBoxes::programTitle(), text, icon, QMessageBox::Ok);
}

void ClipboardDeckImport::importClipboard() {
    importText(QGuiApplication::clipboard()->text());
}

bool ClipboardDeckImport::importText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        tell(u8("クリップボードにテキストがありません。"), QMessageBox::Information);
        return false;
    }
    SharedDeckText read = ReadSharedDeckText(text.toStdString());
    if (!read.hasEntries()) {
        tell(u8("クリップボードのテキストにデッキとして読める行がありません。\n"
                "デッキは変わりません。"),
             QMessageBox::Warning);
        return false;
    }
    if (!files_.maySetDeckAside()) return false;
    {
        const DeckHistory::Edit edit(history_);
        deck_.ReplaceDecks(std::move(read.mainRows), std::move(read.sideRows));
    }
    if (read.title) deckPane_.setTitle(*read.title);
    emit statusChanged(u8("クリップボードから読み込みました"));
    if (!read.unreadable.empty()) tell(UnreadableMessage(read.unreadable), QMessageBox::Warning);
    return true;
}

QString ClipboardDeckImport::UnreadableMessage(
    const std::vector<SharedDeckText::Unreadable>& lines) {
    QString text = u8("読み込めなかった行があります（%1行）。").arg(lines.size());
    const std::size_t shown = std::min<std::size_t>(lines.size(), kShownLines);
    for (std::size_t i = 0; i < shown; ++i) {
        QString line = toQString(lines[i].text);
        if (line.size() > kShownWidth) {
            qsizetype cut = kShownWidth - 1;
            if (line.at(cut - 1).isHighSurrogate()) --cut;
            line = line.left(cut) + u8("…");
        }
        text += u8("\n%1行目: %2").arg(lines[i].lineNumber).arg(line);
    }
    if (lines.size() > shown) text += u8("\nほか%1行").arg(lines.size() - shown);
    return text;
}

}  // namespace svdb
