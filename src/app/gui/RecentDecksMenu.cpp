#include "app/gui/RecentDecksMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

// Long paths are cut in the middle to this width; their tips show them whole.
constexpr int kItemTextWidth = 480;

bool IsThere(const std::string& path) {
    return QFileInfo(toQString(path)).isFile();
}

}  // namespace

RecentDecksMenu::RecentDecksMenu(QWidget* parent) : QMenu(u8("最近使ったデッキ"), parent) {
    setObjectName(QStringLiteral("RecentDecks"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentDecksMenu::refresh);
    refresh();
}

void RecentDecksMenu::load(const QString& filePath) {
    filePath_ = filePath;
    recent_ = filePath_.isEmpty() ? RecentDecks{} : RecentDecks::ReadFile(filePath_.toStdString());
    refresh();
}

void RecentDecksMenu::noteUsed(const QString& path) {
    if (path.isEmpty()) return;
    if (recent_.add(QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toStdString())) changed();
}

void RecentDecksMenu::changed() {
    refresh();
    if (filePath_.isEmpty()) return;
    std::string reason;
    if (recent_.WriteFile(filePath_.toStdString(), &reason)) {
        failureTold_ = false;
        return;
    }
    if (failureTold_) return;
    failureTold_ = true;
    MessageBoxes::error(
        parentWidget(),
        filePath_ + u8("\n最近使ったデッキの一覧を保存できませんでした: ") + toQString(reason));
}

void RecentDecksMenu::refresh() {
    // An item may be the one whose handler runs this: the old ones go later.
    for (QAction* a : actions()) {
        removeAction(a);
        a->deleteLater();
    }
    entries_.clear();
    const QFontMetrics metrics(font());
    bool anyMissing = false;
    int number = 0;
    for (const std::string& path : recent_.paths()) {
        const QString shown = toQString(path);
        const QString cut = metrics.elidedText(shown, Qt::ElideMiddle, kItemTextWidth);
        QString text = cut;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = addAction(QStringLiteral("&%1 %2").arg(++number).arg(text));
        a->setObjectName(QStringLiteral("RecentDeck%1").arg(number));
        if (cut != shown) a->setToolTip(shown);
        const bool there = IsThere(path);
        anyMissing = anyMissing || !there;
        a->setEnabled(there);
        connect(a, &QAction::triggered, this, [this, shown] { emit openRequested(shown); });
        entries_.append(a);
    }
    if (recent_.empty()) addAction(u8("（なし）"))->setEnabled(false);
    addSeparator();
    removeMissing_ = addAction(u8("見つからないファイルを一覧から消す"));
    removeMissing_->setObjectName(QStringLiteral("RemoveMissingDecks"));
    removeMissing_->setEnabled(anyMissing);
    connect(removeMissing_, &QAction::triggered, this, [this] {
        if (recent_.removeMissing(IsThere)) changed();
    });
    clear_ = addAction(u8("一覧を消去"));
    clear_->setObjectName(QStringLiteral("ClearRecentDecks"));
    clear_->setEnabled(!recent_.empty());
    connect(clear_, &QAction::triggered, this, [this] {
        if (recent_.clear()) changed();
    });
}

}  // namespace svdb
