#include "files/gui/FileWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <optional>

#include "widgets/Controls.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

QString withSlash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// Item data of a Dir1 row: the folder it leads to.
constexpr int kFolderRole = Qt::UserRole;

}  // namespace

FileWindow::FileWindow(Handler handler, QWidget* parent, const QString& folder)
    : QDialog(parent), handler_(std::move(handler)) {
    setObjectName(QStringLiteral("Form2"));
    setModal(true);
    build();
    fillDrives();
    const QString start = !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::currentPath();
    changeFolder(start);
    setUp(FilePurpose::OpenCardList);

    resize(sizeHint().expandedTo(QSize(520, 330)));
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect s = screen->geometry();
        move(s.left() + s.width() / 2 - width() / 2, s.top() + s.height() / 2 - height() / 2);
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &FileWindow::programStateChanged);
}

void FileWindow::build() {
    auto* g = new QGridLayout(this);
    g->setContentsMargins(Controls::kMargin * 2, Controls::kMargin * 2, Controls::kMargin * 2,
                          Controls::kMargin * 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(Controls::kSpacing + 1);

    Text1_ = Controls::named(new QLineEdit(this), QStringLiteral("Text1"));
    Text1_->setFixedHeight(Controls::kButtonHeight);
    // Enter in the name box, or a double click or Enter on a file, is the
    // action button.
    connect(Text1_, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
    g->addWidget(Text1_, 0, 0, 1, 2);

    File1_ = Controls::named(new QListWidget(this), QStringLiteral("File1"));
    File1_->setMinimumWidth(210);
    connect(File1_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (current) File1_Click();
    });
    connect(File1_, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    connect(File1_, &QListWidget::itemActivated, this, [this] {
        File1_Click();
        Command1_Click();
    });
    g->addWidget(File1_, 1, 0, 2, 1);

    Dir1_ =
        Controls::named(new QListWidget(this), QStringLiteral("Dir1"), u8("ディレクトリの指定"));
    Dir1_->setMinimumWidth(210);
    // A double click or Enter opens the folder, as the arrow keys only move.
    connect(Dir1_, &QListWidget::itemActivated, this, [this] { Dir1_Change(); });
    g->addWidget(Dir1_, 1, 1);

    Drive1_ = Controls::named(new QComboBox(this), QStringLiteral("Drive1"), u8("ドライブの変更"));
    Drive1_->setFixedHeight(Controls::kButtonHeight);
    connect(Drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    g->addWidget(Drive1_, 2, 1);

    Combo1_ = Controls::named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1_->setFixedHeight(Controls::kButtonHeight);
    for (std::string_view caption : FileTypeCaptions()) Combo1_->addItem(toQString(caption));
    connect(Combo1_, &QComboBox::activated, this, [this] { Combo1_Click(); });
    g->addWidget(Combo1_, 3, 0);

    Check1_ = Controls::check(this, QStringLiteral("Check1"), u8("カンマ区切り"));
    connect(Check1_, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    g->addWidget(Check1_, 3, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Controls::kSpacing + 1);
    Command1_ = Controls::button(this, QStringLiteral("Command1"), QStringLiteral("Open"));
    Command2_ = Controls::button(this, QStringLiteral("Command2"), QStringLiteral("Close"));
    Command3_ =
        Controls::button(this, QStringLiteral("Command3"), QStringLiteral("Help"), u8("作成中"));
    Command3_->setEnabled(false);  // no help yet
    for (QPushButton* b : {Command1_, Command2_, Command3_}) {
        b->setFixedWidth(76);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
    g->addLayout(buttons, 0, 2, 4, 1);

    g->setColumnStretch(0, 1);
    g->setColumnStretch(1, 1);
    g->setRowStretch(1, 1);
    setTabOrder(Text1_, File1_);
    setTabOrder(File1_, Dir1_);
    setTabOrder(Dir1_, Drive1_);
    setTabOrder(Drive1_, Combo1_);
    setTabOrder(Combo1_, Check1_);
    setTabOrder(Check1_, Command1_);
    setTabOrder(Command1_, Command2_);
}

void FileWindow::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // A volume mounted on a single file (as containers do) is no drive.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
            roots << withSlash(volume.rootPath());
        }
    }
    roots.sort();
    roots.removeDuplicates();
    Drive1_->addItems(roots);
}

void FileWindow::showDriveOf(const QString& folder) {
    const QString root = withSlash(QStorageInfo(folder).rootPath());
    int index = Drive1_->findText(root);
    if (index < 0) {
        Drive1_->addItem(root);
        index = Drive1_->count() - 1;
    }
    const QSignalBlocker block(Drive1_);
    Drive1_->setCurrentIndex(index);
}

void FileWindow::setUp(FilePurpose purpose, const QString& deckTitle) {
    const FileWindowSetup& s = SetupOf(purpose);
    setWindowTitle(toQString(s.caption));
    Command1_->setText(toQString(s.actionCaption));
    Check1_->setEnabled(s.commaBoxShown);
    Check1_->setVisible(s.commaBoxShown);
    Combo1_->setEnabled(s.typeBoxEnabled);
    choice_ = StartChoice(purpose);
    showChoice();
    refreshFiles();
    Text1_->setText(s.saves ? folderPath_ + deckTitle : folderPath_);
}

void FileWindow::Open() {
    setUp(FilePurpose::OpenCardList);
}
void FileWindow::Deck_Open() {
    setUp(FilePurpose::OpenDeck);
}
void FileWindow::Save(const QString& deckTitle) {
    setUp(FilePurpose::SaveDeck, deckTitle);
}
void FileWindow::SaveXML(const QString& deckTitle) {
    setUp(FilePurpose::SaveXml, deckTitle);
}
void FileWindow::SaveHTML(const QString& deckTitle) {
    setUp(FilePurpose::SaveHtml, deckTitle);
}

QString FileWindow::fileMode() const {
    return toQString(choice_.fileMode);
}

void FileWindow::changeFolder(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists()) return;
    folderPath_ = withSlash(dir.absolutePath());
    Text1_->setText(folderPath_);

    Dir1_->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), Dir1_);
        up->setData(kFolderRole, QFileInfo(dir.absolutePath()).absolutePath());
    }
    for (const QFileInfo& sub :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(sub.fileName(), Dir1_);
        item->setData(kFolderRole, sub.absoluteFilePath());
    }
    if (Dir1_->count() > 0) Dir1_->setCurrentRow(0);
    refreshFiles();
    showDriveOf(folderPath_);
}

void FileWindow::refreshFiles() {
    const QSignalBlocker block(File1_);
    File1_->clear();
    if (folderPath_.isEmpty()) return;
    // "*.*" stands for every file, with a dot in its name or not.
    const QString pattern =
        choice_.pattern == "*.*" ? QStringLiteral("*") : toQString(choice_.pattern);
    File1_->addItems(
        QDir(folderPath_).entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileWindow::showChoice() {
    const QSignalBlocker blockType(Combo1_);
    const QSignalBlocker blockComma(Check1_);
    Combo1_->setCurrentIndex(choice_.typeIndex);
    Check1_->setChecked(choice_.commaSeparated);
}

void FileWindow::Drive1_Change() {
    changeFolder(Drive1_->currentText());
}

void FileWindow::Dir1_Change() {
    const QListWidgetItem* item = Dir1_->currentItem();
    if (!item) return;
    changeFolder(item->data(kFolderRole).toString());
}

void FileWindow::File1_Click() {
    if (const QListWidgetItem* item = File1_->currentItem()) {
        Text1_->setText(folderPath_ + item->text());
    }
}

void FileWindow::Combo1_Click() {
    ChooseFileType(choice_, Combo1_->currentIndex());
    showChoice();
    refreshFiles();
}

void FileWindow::Check1_Click() {
    SetCommaSeparated(choice_, Check1_->isChecked());
    showChoice();
    refreshFiles();
}

void FileWindow::Command1_Click() {
    const std::string text = PathInFolder(Text1_->text().toStdString(), folderPath_.toStdString());
    if (!SetupOf(choice_.purpose).saves) {
        if (NamesAFile(text)) finish(OpenRequest(choice_, text));
        return;
    }
    const std::optional<FileRequest> request = SaveRequest(choice_, text);
    showChoice();
    refreshFiles();
    if (!request) return;
    const QString path = toQString(request->path);
    if (QFileInfo::exists(path)) {
        busy_ = true;
        const QMessageBox::StandardButton answer = MessageBoxes::show(
            this, QStringLiteral("SAVE"), path + u8("は既に存在します。上書きしますか？"),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
        busy_ = false;
        if (answer != QMessageBox::Yes) return;
    }
    finish(*request);
}

void FileWindow::Command2_Click() {
    reject();
}

void FileWindow::finish(const FileRequest& request) {
    busy_ = true;
    const bool close = !handler_ || handler_(request);
    busy_ = false;
    if (close) accept();
}

void FileWindow::programStateChanged(Qt::ApplicationState state) {
    // Our own boxes keep the program active; only another program's window
    // takes the focus away.
    if (closesOnFocusLoss_ && state != Qt::ApplicationActive && isVisible() && !busy_) reject();
}

}  // namespace svdb
