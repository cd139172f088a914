#include "app/gui/FileCommands.h"

#include <QLineEdit>

#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "deck/DeckSaveMark.h"
#include "deck/gui/DeckPane.h"
#include "files/DeckCsvFile.h"
#include "files/DeckHtml.h"
#include "files/DeckTextFile.h"
#include "files/DeckXml.h"
#include "files/FileNames.h"
#include "files/gui/FileWindow.h"
#include "stats/MainDeckStats.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

FileCommands::FileCommands(CardTable& table, DeckModel& deck, const MainDeckStats& stats,
                           DeckPane& deckPane, QWidget* window)
    : QObject(window),
      table_(table),
      deck_(deck),
      stats_(stats),
      deckPane_(deckPane),
      window_(window) {}

void FileCommands::show(FilePurpose purpose) {
    const bool saves = SetupOf(purpose).saves;
    if (saves && deck_.list(DeckModel::kMain).empty()) return;
    runWindow(purpose);
}

void FileCommands::runWindow(FilePurpose purpose) {
    FileWindow w([this](const FileRequest& r) { return carryOut(r); }, window_, startFolder_);
    w.setUp(purpose, SetupOf(purpose).saves ? toQString(deckPane_.title()) : QString());
    w.exec();
}

void FileCommands::setSaveMark(DeckSaveMark* mark) {
    saveMark_ = mark;
    if (!saveMark_) return;
    saveMark_->setTitle(deckPane_.title());
    connect(deckPane_.deckName(), &QLineEdit::textChanged, this, [this] {
        if (saveMark_) saveMark_->setTitle(deckPane_.title());
    });
}

void FileCommands::markSaved(bool mainOnly) {
    if (!saveMark_) return;
    saveMark_->setTitle(deckPane_.title());
    if (mainOnly) {
        saveMark_->markMainSaved();
    } else {
        saveMark_->markSaved();
    }
}

bool FileCommands::maySetDeckAside() {
    // A request that arrives while the question or its file window is up
    // waits for the answer.
    if (asking_) return false;
    asking_ = true;
    bool mayGo = true;
    while (saveMark_ && saveMark_->changed()) {
        const QMessageBox::StandardButton answer = MessageBoxes::show(
            window_, MessageBoxes::programTitle(), u8("デッキは変更されています。保存しますか？"),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::No) break;
        const int saves = decksSaved_;
        if (answer == QMessageBox::Yes) runWindow(FilePurpose::SaveDeck);
        if (decksSaved_ == saves) {
            mayGo = false;
            break;
        }
    }
    asking_ = false;
    return mayGo;
}

void FileCommands::Open() {
    // A new card list leaves the deck's rows as they are, but the deck may
    // no longer match it: a changed deck is offered for saving first.
    if (!maySetDeckAside()) return;
    show(FilePurpose::OpenCardList);
}
void FileCommands::Deck_Open() {
    if (!maySetDeckAside()) return;
    show(FilePurpose::OpenDeck);
}
void FileCommands::Save() {
    show(FilePurpose::SaveDeck);
}
void FileCommands::SaveXML() {
    show(FilePurpose::SaveXml);
}
void FileCommands::SaveHTML() {
    show(FilePurpose::SaveHtml);
}

void FileCommands::error(const QString& text) {
    MessageBoxes::error(window_, text);
}

void FileCommands::cannotOpen(const QString& shownPath, const std::string& why) {
    MessageBoxes::show(window_, MessageBoxes::programTitle(), shownPath + '\n' + toQString(why),
                       QMessageBox::NoIcon, QMessageBox::Ok);
}

void FileCommands::openDeckFile(const QString& path) {
    if (!maySetDeckAside()) return;
    const std::string name = path.toStdString();
    const bool csv = EnsureExtension(name, "csv") == name;
    carryOut(FileRequest{csv ? FileAction::OpenDeckCsv : FileAction::OpenDeckText, name});
}

bool FileCommands::isDeckFileName(const QString& path) {
    const std::string name = path.toStdString();
    return EnsureExtension(name, "csv") == name || EnsureExtension(name, "txt") == name;
}

bool FileCommands::carryOut(const FileRequest& request) {
    const std::string& path = request.path;
    const QString shownPath = toQString(path);
    std::string reason;
    switch (request.action) {
        case FileAction::OpenCardList: {
            emit statusChanged(QStringLiteral("Load ") + shownPath);
            const LoadOutcome outcome = LoadCardList(table_, path);
            if (!outcome.opened) {
                error(shownPath + u8("\nカードリストを読み込めません。\n") +
                      toQString(outcome.readFault.message()));
                break;
            }
            // A list that stopped part-way says where and why after its path.
            if (const std::string stop = LoadStopMessage(outcome); !stop.empty()) {
                emit statusChanged(QStringLiteral("Load ") + shownPath + u8("　") +
                                   toQString(stop));
            }
            emit cardListLoaded();
            break;
        }
        case FileAction::OpenDeckText: {
            emit statusChanged(QStringLiteral("Load ") + shownPath);
            DeckTextRead read = LoadDeckText(path);
            if (!read.opened) {
                cannotOpen(shownPath, read.fault.message());
                break;
            }
            const DeckHistory::Edit edit(history_);
            deck_.ReplaceDecks(std::move(read.mainRows), std::move(read.sideRows));
            deckPane_.setTitle(read.title);
            markSaved(false);
            emit deckFileUsed(shownPath);
            break;
        }
        case FileAction::OpenDeckCsv: {
            emit statusChanged(QStringLiteral("Load ") + shownPath);
            DeckCsvRead read = LoadDeckCsv(path);
            if (!read.opened) {
                cannotOpen(shownPath, read.fault.message());
                break;
            }
            const DeckHistory::Edit edit(history_);
            deck_.ReplaceDecks(std::move(read.mainRows), {});
            markSaved(false);
            emit deckFileUsed(shownPath);
            break;
        }
        case FileAction::SaveDeckText:
        case FileAction::SaveDeckCsv:
        case FileAction::SaveXml:
        case FileAction::SaveHtml: {
            emit statusChanged(QStringLiteral("Save ") + shownPath);
            bool saved = false;
            if (request.action == FileAction::SaveDeckText) {
                saved = SaveDeckText(path, MakeDeckText(deckPane_.title(), deck_, stats_.stats()),
                                     &reason);
            } else if (request.action == FileAction::SaveDeckCsv) {
                saved = SaveDeckCsv(path, deck_.list(DeckModel::kMain).rows, &reason);
            } else if (request.action == FileAction::SaveXml) {
                saved = WriteDeckXml(path, MainDeckExport(deck_, deckPane_.title()), &reason);
            } else {
                saved = WriteDeckHtml(path, MainDeckExport(deck_, deckPane_.title()), &reason);
            }
            if (!saved) error(shownPath + u8("\n保存できませんでした: ") + toQString(reason));
            // An XML or HTML file is an export, which no one opens again.
            if (saved && (request.action == FileAction::SaveDeckText ||
                          request.action == FileAction::SaveDeckCsv)) {
                ++decksSaved_;
                markSaved(request.action == FileAction::SaveDeckCsv);
                emit deckFileUsed(shownPath);
            }
            break;
        }
        case FileAction::SavePdf:  // PrintCommands shows that window and writes the PDF
            break;
    }
    return true;
}

}  // namespace svdb
