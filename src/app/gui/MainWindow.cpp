#include "app/gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/SettingsFile.h"
#include "app/gui/ClipboardDeckImport.h"
#include "app/gui/ContextCommands.h"
#include "app/gui/FileCommands.h"
#include "app/gui/PrintCommands.h"
#include "app/gui/RecentDecksMenu.h"
#include "catalogue/CardTable.h"
#include "deck/gui/DeckPane.h"
#include "search/FilterCaptions.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListPane.h"
#include "search/gui/FilterPane.h"
#include "search/gui/SearchPane.h"
#include "stats/gui/DeckInfoPane.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

const QString MainWindow::kTitle = MessageBoxes::programTitle();

MainWindow::MainWindow(CardTable& table, QString settingsPath, QWidget* parent)
    : MainWindow(table, std::move(settingsPath), parent, true) {}

MainWindow::MainWindow(CardTable& table, QString settingsPath, LoadLater)
    : MainWindow(table, std::move(settingsPath), nullptr, false) {}

MainWindow::MainWindow(CardTable& table, QString settingsPath, QWidget* parent, bool loadNow)
    : QMainWindow(parent), table_(table), settingsPath_(std::move(settingsPath)) {
    // Up to the load handler nothing reads the catalogue: the panes keep it
    // to read later.
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    setFont(AppFonts::proportional());
    setAcceptDrops(true);
    composePanes();
    buildMenus();
    connectPanes();
    Form_Initialize();
    if (loadNow) Form_Load();
}

MainWindow::~MainWindow() {
    // The panes follow the deck model, which goes before the window's children.
    delete deckPane_;
    delete deckInfoPane_;
    // So do the cost graph and the draw simulator, deleted with their commands.
    delete analysisWindows_;
}

void MainWindow::composePanes() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("FormBody"));
    body_ = new QGridLayout(central);
    body_->setContentsMargins(Controls::kMargin, Controls::kMargin, Controls::kMargin, 0);
    body_->setSpacing(Controls::kSpacing);

    filterPane_ = new FilterPane(central);

    // Left: the card list above the card information. Right: the deck lists
    // above the tabbed frames. Extra room goes to the lists.
    leftColumn_ = new QWidget(central);
    auto* left = new QVBoxLayout(leftColumn_);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(Controls::kSpacing);
    cardListPane_ = new CardListPane(leftColumn_);
    left->addWidget(cardListPane_, 1);
    cardInfo_ = new CardInfoPanel(table_, leftColumn_);
    left->addWidget(cardInfo_);

    rightColumn_ = new QWidget(central);
    auto* right = new QVBoxLayout(rightColumn_);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(Controls::kSpacing);
    deckPane_ = new DeckPane(deckModel_, options_, *cardListPane_, rightColumn_);
    right->addWidget(deckPane_, 1);
    deckInfoPane_ = new DeckInfoPane(deckModel_, deckStats_, rightColumn_);
    searchPane_ = new SearchPane;
    deckInfoPane_->setSearchPage(searchPane_);
    right->addWidget(deckInfoPane_);
    layOut(PanelPlace::Across);
    setCentralWidget(central);

    Label24_ = Controls::label(this, QStringLiteral("Label24"), QString());
    Label24_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(Label24_, 1);

    fileCommands_ = new FileCommands(table_, deckModel_, deckStats_, *deckPane_, this);
    fileCommands_->setHistory(&deckHistory_);
    fileCommands_->setSaveMark(&deckSaveMark_);
    deckSaveMark_.setChangedHandler([this] { updateWindowTitle(); });
    deckPane_->setHistory(&deckHistory_);
    contextCommands_ =
        new ContextCommands(table_, deckModel_, options_, *cardListPane_, *cardInfo_, this);
    clipboardImport_ = new ClipboardDeckImport(deckModel_, *deckPane_, *fileCommands_, this);
    clipboardImport_->setHistory(&deckHistory_);
    analysisWindows_ = new AnalysisWindows(deckModel_, this);
    helpCommands_ = new HelpCommands(table_, this);
}

void MainWindow::connectPanes() {
    auto refill = [this] {
        MakeSeq();
        Change_List();
    };
    connect(filterPane_, &FilterPane::filterChanged, this, [this] { Change_List(); });
    connect(filterPane_, &FilterPane::foldRequested, this, [this] { foldFilterPanel(true); });
    connect(filterPane_, &FilterPane::unfoldRequested, this, [this] { foldFilterPanel(false); });
    connect(filterPane_, &FilterPane::keywordHelpRequested, helpCommands_,
            &HelpCommands::showKeywordHelp);
    connect(searchPane_, &SearchPane::searchChanged, this, refill);

    connect(cardListPane_, &CardListPane::cardCountChanged, deckPane_, &DeckPane::setCardCount);
    connect(cardListPane_, &CardListPane::detailCleared, cardInfo_,
            &CardInfoPanel::ClearCardDetail);
    connect(cardListPane_, &CardListPane::cardShown, cardInfo_, &CardInfoPanel::ShowCardDetail);
    connect(cardListPane_, &CardListPane::rowDoubleClicked, deckPane_, &DeckPane::AddByDoubleClick);
    connect(cardListPane_, &CardListPane::keyAPressed, deckPane_, &DeckPane::AddByKey);
    connect(cardListPane_, &CardListPane::contextMenuRequested, this,
            [this](const QPoint& at) { popUpContextMenu(ProgramOptions::kFromCardList, at); });

    connect(cardInfo_, &CardInfoPanel::contextMenuRequested, this,
            [this](const QPoint& at) { popUpContextMenu(ProgramOptions::kFromCardInfo, at); });
    connect(cardInfo_, &CardInfoPanel::detailCleared, deckInfoPane_,
            &DeckInfoPane::ClearOpeningChance);

    connect(deckPane_, &DeckPane::detailCleared, cardInfo_, &CardInfoPanel::ClearCardDetail);
    connect(deckPane_, &DeckPane::cardChosen, cardInfo_, &CardInfoPanel::ShowCardDetail);
    connect(deckPane_, &DeckPane::contextMenuRequested, this,
            [this](const QPoint& at) { popUpContextMenu(ProgramOptions::kFromDeckList, at); });
    connect(deckPane_, &DeckPane::limitNoticeChanged, this, &MainWindow::showLimitNotice);
    connectFiles();
    // Queued: the switch reads the deck once the change that moved the
    // total is complete (a removal shows its new total before the row goes).
    connect(deckPane_, &DeckPane::mainTotalChanged, analysisWindows_,
            &AnalysisWindows::switchDrawSimulator, Qt::QueuedConnection);
    connect(deckPane_, &DeckPane::openingChanceRequested, this, [this](int list, int row) {
        deckInfoPane_->ShowOpeningChance(
            deckModel_.list(list).rows.at(static_cast<std::size_t>(row)));
    });
}

void MainWindow::connectFiles() {
    connect(fileCommands_, &FileCommands::statusChanged, this, &MainWindow::setStatusText);
    connect(clipboardImport_, &ClipboardDeckImport::statusChanged, this,
            &MainWindow::setStatusText);
    connect(fileCommands_, &FileCommands::deckFileUsed, recentDecks_, &RecentDecksMenu::noteUsed);
    connect(recentDecks_, &RecentDecksMenu::openRequested, fileCommands_,
            &FileCommands::openDeckFile);
    connect(fileCommands_, &FileCommands::cardListLoaded, this, [this] {
        // The shown card may no longer be the card at its place.
        cardInfo_->ClearCardDetail();
        MakeSeq();
        Change_List();
    });
}

void MainWindow::popUpContextMenu(int source, const QPoint& globalPos) {
    ToClipboard_[1]->setEnabled(source == ProgramOptions::kFromDeckList);
    options_.setContextSource(source);
    contextmenu_->popup(globalPos);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    auto menu = [this](QMenuBar* owner, const char* name, const char* title) {
        auto* m = new QMenu(u8(title), this);
        m->setObjectName(QLatin1String(name));
        if (owner) owner->addMenu(m);
        return m;
    };
    // An item and its handler.
    auto item = [this](QMenu* m, const QString& name, const QString& text, auto handler) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        m->addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto named = [](const char* name) { return QLatin1String(name); };

    QMenu* file = menu(bar, "File", "ファイル(&F)");
    item(file, named("Deck_Open"), u8("開く(DECK)"), [this] { Deck_Open_Click(); });
    item(file, named("Open"), u8("開く(DB)"), [this] { Open_Click(); });
    item(file, named("ImportClipboard"), u8("クリップボードから読み込む"),
         [this] { ImportClipboard_Click(); });
    recentDecks_ = new RecentDecksMenu(this);
    file->addMenu(recentDecks_);
    item(file, named("Save"), u8("保存"), [this] { Save_Click(); });
    item(file, named("SaveHTML"), u8("HTMLで保存"), [this] { SaveHTML_Click(); });
    item(file, named("SaveXML"), u8("XMLで保存"), [this] { SaveXML_Click(); });
    auto* print = new PrintCommands(deckModel_, deckStats_, *deckPane_, this);
    print->addItems(file);
    connect(print, &PrintCommands::statusChanged, this, &MainWindow::setStatusText);
    file->addSeparator()->setObjectName(QStringLiteral("separator"));
    item(file, named("Quit"), u8("終了"), [this] { Quit_Click(); });

    // Undo and redo of the deck edits; like the function keys, their keys
    // work while the menu is closed. A text box keeps its own undo keys.
    QMenu* editMenu = menu(bar, "EditMenu", "編集(&D)");
    Undo_ = item(editMenu, named("Undo"), u8("元に戻す"), [this] { Undo_Click(); });
    Undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo_ = item(editMenu, named("Redo"), u8("やり直し"), [this] { Redo_Click(); });
    Redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {Undo_, Redo_}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    deckHistory_.setChangedHandler([this] { updateUndoItems(); });
    updateUndoItems();

    QMenu* anari = menu(bar, "anari", "分析(&A)");
    item(anari, named("costgraph"), u8("コストグラフ"), [this] { costgraph_Click(); });
    item(anari, named("TestDraw"), u8("引きテスト"), [this] { TestDraw_Click(); });

    QMenu* expansion = menu(bar, "ExpansionMain", "拡張セット(&E)");
    static const Qt::Key keys[11] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3, Qt::Key_F4,
                                     Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7, Qt::Key_F8,
                                     Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
    for (int i = 0; i < 16; ++i) {
        QAction* a = item(expansion, Controls::indexed("ExpansionSub", i),
                          toQString(ExpansionMenuItems()[static_cast<std::size_t>(i)].caption),
                          [this, i] { ExpansionSub_Click(i); });
        a->setCheckable(true);
        if (i < 11) {
            a->setShortcut(QKeySequence(keys[i]));
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);  // the shortcut works while the menu is closed
        }
        ExpansionSub_[i] = a;
    }

    QMenu* option = menu(bar, "OptionMain", "オプション(&O)");
    static const char* const options[5] = {"勢力名を短縮名にする", "３枚制限を外す",
                                           "コレクトモード", "VAIO C1モード", "マルチセレクト"};
    for (int i = 1; i <= 5; ++i) {
        QAction* a = item(option, Controls::indexed("OptionSub", i), u8(options[i - 1]),
                          [this, i] { OptionSub_Click(i); });
        a->setCheckable(true);
        OptionSub_[i - 1] = a;
    }

    QMenu* about = menu(bar, "AboutMain", "About(&H)");
    static const char* const abouts[2] = {"ヘルプ", "SVDBについて..."};
    for (int i = 0; i < 2; ++i) {
        AboutSub_[i] = item(about, Controls::indexed("AboutSub", i), u8(abouts[i]),
                            [this, i] { AboutSub_Click(i); });
    }

    QMenu* search = menu(bar, "SearchMenu", "検索");
    item(search, named("FindDetail"), u8("詳細検索"), [this] { FindDetail_Click(); });
    // Ctrl+F belongs to no menu item.
    auto* findText = new QAction(this);
    findText->setObjectName(QStringLiteral("FindText"));
    findText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    findText->setShortcutContext(Qt::WindowShortcut);
    addAction(findText);
    connect(findText, &QAction::triggered, this, [this] { FindText_Click(); });

    // The pop-up menu of the card list, the card information and the deck lists.
    contextmenu_ = menu(nullptr, "contextmenu", "コンテキスト");
    static const char* const clip[3] = {"クリップボードへ", "トレードモードでコピー",
                                        "カード情報のコピー"};
    for (int i = 1; i <= 3; ++i) {
        ToClipboard_[i - 1] = item(contextmenu_, Controls::indexed("ToClipboard", i),
                                   u8(clip[i - 1]), [this, i] { ToClipboard_Click(i); });
    }
    item(contextmenu_, named("ContextOutput2File"), u8("ファイル出力"),
         [this] { ContextOutput2File_Click(); });
}

// ---------------------------------------------------------------------------
// Life cycle

void MainWindow::Form_Initialize() {
    applyNormalSize();
    centreOnScreen();
}

void MainWindow::Form_Load() {
    LoadSettings();
    // The recent decks are kept beside the settings, in a file of their own.
    recentDecks_->load(settingsPath_.isEmpty() ? QString()
                                               : QString::fromStdString(AppPaths::RecentDecksPath(
                                                     settingsPath_.toStdString())));
    InstallRowColouring();
    loaded_ = true;
}

void MainWindow::Form_QueryUnload() {
    RemoveRowColouring();
}

void MainWindow::Form_Unload() {
    SaveSettings();
    // Close every other window of the program, the most recent first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* w = *it;
        if (w != this && w->isVisible() && !w->inherits("QMenu")) w->close();
    }
    loaded_ = false;
    emit unloaded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed deck is asked about first; keeping it keeps the window open.
    if (loaded_ && !fileCommands_->maySetDeckAside()) {
        event->ignore();
        return;
    }
    // Unloading never cancels the close, and runs once per load.
    if (loaded_) {
        Form_QueryUnload();
        Form_Unload();
    }
    event->accept();
}

void MainWindow::layOut(PanelPlace place) {
    QPushButton* menuButton = filterPane_->menuButton();
    for (QWidget* w : {static_cast<QWidget*>(menuButton), static_cast<QWidget*>(filterPane_),
                       leftColumn_, rightColumn_}) {
        body_->removeWidget(w);
    }
    for (int c = 0; c < 3; ++c) body_->setColumnStretch(c, 0);
    for (int r = 0; r < 3; ++r) body_->setRowStretch(r, 0);
    const bool vaio = place == PanelPlace::Beside;
    filterPane_->setNarrow(vaio);
    // Beside the panel, the card list gives up some of its width: its name
    // column narrows.
    if (cardListMinimumWidth_ < 0) cardListMinimumWidth_ = cardListPane_->minimumWidth();
    cardListPane_->setMinimumWidth(vaio ? 0 : cardListMinimumWidth_);
    filterPane_->setVisible(place != PanelPlace::Folded);
    // The stand-in button is there only while the panel is folded away.
    menuButton->setVisible(place == PanelPlace::Folded);
    menuButton->setEnabled(place == PanelPlace::Folded);
    if (vaio) {
        body_->addWidget(leftColumn_, 0, 0);
        body_->addWidget(rightColumn_, 0, 1);
        body_->addWidget(filterPane_, 0, 2);
        body_->setRowStretch(0, 1);
    } else {
        body_->addWidget(menuButton, 0, 0, 1, 2, Qt::AlignLeft);
        body_->addWidget(filterPane_, 1, 0, 1, 2);
        body_->addWidget(leftColumn_, 2, 0);
        body_->addWidget(rightColumn_, 2, 1);
        body_->setRowStretch(2, 1);
    }
    body_->setColumnStretch(0, 1);
    body_->setColumnStretch(1, 1);
}

void MainWindow::foldFilterPanel(bool fold) {
    // The folded layout belongs to the normal window; the small-screen
    // layout has its own place for the panel.
    if (options_.isOn(ProgramOptions::kCompactLayout)) return;
    layOut(fold ? PanelPlace::Folded : PanelPlace::Across);
}

namespace {

// The one local deck file a drag carries, or empty.
QString DroppedDeckFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return FileCommands::isDeckFileName(path) ? path : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDeckFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedDeckFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that asking about a changed deck does
    // not keep the program the file came from waiting.
    QTimer::singleShot(0, this, [this, path] { fileCommands_->openDeckFile(path); });
}

void MainWindow::applyNormalSize() {
    // The window never gets smaller than its normal size, where every
    // control has room.
    setMinimumSize(kNormalWidth, kNormalHeight);
    resize(kNormalWidth, kNormalHeight);
}

void MainWindow::centreOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainWindow::showGraphFrame(int index) {
    deckInfoPane_->showGraphFrame(index);
}

void MainWindow::setStatusText(const QString& text) {
    Label24_->setText(text);
    limitNoticeShown_ = false;
}

void MainWindow::showLimitNotice(const QString& text) {
    if (!text.isEmpty()) {
        Label24_->setText(text);
        limitNoticeShown_ = true;
    } else if (limitNoticeShown_) {
        Label24_->clear();
        limitNoticeShown_ = false;
    }
}

void MainWindow::updateUndoItems() {
    Undo_->setEnabled(deckHistory_.canUndo());
    Redo_->setEnabled(deckHistory_.canRedo());
}

void MainWindow::updateWindowTitle() {
    const QString title = toQString(options_.WindowTitle(kTitle.toStdString()));
    setWindowTitle(deckSaveMark_.changed() ? QLatin1Char('*') + title : title);
}

// ---------------------------------------------------------------------------
// Public operations and hooks

void MainWindow::MakeSeq() {
    filterPane_->MakeSeq();
}

void MainWindow::Change_List() {
    cardListPane_->refill(table_, filterPane_->filterState(), searchPane_->searchTexts());
}

bool MainWindow::AddSide(std::int16_t& copies, int toList, int fromList) {
    return deckPane_->AddSide(copies, toList, fromList);
}

void MainWindow::LoadSettings() {
    const SettingsRead read =
        settingsPath_.isEmpty() ? SettingsRead{} : ReadSettingsFile(settingsPath_.toStdString());
    if (!read.opened) {
        // Without the file the whole catalogue is listed.
        filterPane_->setFactionBoxValue(0, 1);
        return;
    }
    for (const SettingsStep& step : read.steps) {
        switch (step.kind) {
            case SettingsStep::Kind::FactionBox:
                filterPane_->setFactionBoxValue(step.index, step.value);
                break;
            case SettingsStep::Kind::TypeBox:
                filterPane_->setKindBoxValue(step.index, step.value);
                break;
            case SettingsStep::Kind::Picture:
                listPictureLine_ = step.line;
                // A picture that cannot be shown ends the reading.
                if (step.picturePath &&
                    !cardListPane_->setBackgroundPicture(toQString(*step.picturePath))) {
                    return;
                }
                break;
        }
    }
}

void MainWindow::SaveSettings() {
    if (settingsPath_.isEmpty()) return;
    SettingsValues values;
    for (int i = 0; i < static_cast<int>(values.checkColor.size()); ++i) {
        values.checkColor[static_cast<std::size_t>(i)] = filterPane_->factionBoxValue(i);
    }
    for (int i = 0; i < static_cast<int>(values.cbKind.size()); ++i) {
        values.cbKind[static_cast<std::size_t>(i)] = filterPane_->kindBoxValue(i);
    }
    values.listPictureLine = listPictureLine_;
    std::string reason;
    // The shut-down goes on whatever happens here.
    if (!WriteSettingsFile(settingsPath_.toStdString(), values, &reason)) {
        MessageBoxes::error(this,
                            settingsPath_ + u8("\n保存できませんでした: ") + toQString(reason));
    }
}

void MainWindow::InstallRowColouring() {
    cardListPane_->setRowColouring(true);
}

void MainWindow::RemoveRowColouring() {
    cardListPane_->setRowColouring(false);
}

// ---------------------------------------------------------------------------
// Menu handlers

void MainWindow::Quit_Click() {
    close();
}

void MainWindow::FindDetail_Click() {
    showGraphFrame(3);
}

void MainWindow::FindText_Click() {
    showGraphFrame(3);
    searchPane_->focusTextSearch();
}

void MainWindow::Undo_Click() {
    showLimitNotice(QString());
    deckHistory_.Undo();
}

void MainWindow::Redo_Click() {
    showLimitNotice(QString());
    deckHistory_.Redo();
}

void MainWindow::ExpansionSub_Click(int index) {
    // The check mark shows whether the item's bits are on.
    ExpansionSub_[static_cast<std::size_t>(index)]->setChecked(filterPane_->toggleExpansion(index));
    Change_List();
}

void MainWindow::OptionSub_Click(int index) {
    const bool on = !options_.isOn(index);
    options_.set(index, on);
    OptionSub_[static_cast<std::size_t>(index - 1)]->setChecked(on);
    // What switching the option changes at once; the other options are read
    // at the moment of use.
    if (index == ProgramOptions::kShortFactionNames) {
        deckModel_.ApplyShortFactionNames(on);
        deckHistory_.ApplyShortFactionNames(on);
    }
    if (index == ProgramOptions::kMultiSelect) cardListPane_->setMultiSelect(on);
    if (index == ProgramOptions::kCompactLayout) {
        if (on) {
            layOut(PanelPlace::Beside);
            setMinimumSize(kVaioWidth, kVaioHeight);
            resize(kVaioWidth, kVaioHeight);
        } else {
            layOut(PanelPlace::Across);
            applyNormalSize();
        }
    }
    updateWindowTitle();
}

void MainWindow::Open_Click() {
    fileCommands_->Open();
}
void MainWindow::Deck_Open_Click() {
    fileCommands_->Deck_Open();
}
void MainWindow::ImportClipboard_Click() {
    clipboardImport_->importClipboard();
}
void MainWindow::Save_Click() {
    fileCommands_->Save();
}
void MainWindow::SaveHTML_Click() {
    fileCommands_->SaveHTML();
}
void MainWindow::SaveXML_Click() {
    fileCommands_->SaveXML();
}
void MainWindow::ToClipboard_Click(int index) {
    contextCommands_->ToClipboard_Click(index);
}
void MainWindow::ContextOutput2File_Click() {
    contextCommands_->ContextOutput2File_Click();
}

}  // namespace svdb
