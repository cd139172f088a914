#include "app/gui/CardListChooser.h"

#include <QDir>

namespace svdb {

CardListChooser::CardListChooser(QWidget* parent) : QFileDialog(parent) {
    setObjectName(QStringLiteral("CardListChooser"));
    setWindowTitle(QStringLiteral("File Open"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({QStringLiteral("CSVファイル(*.csv)"), QStringLiteral("全てのファイル(*)")});
    setDirectory(QDir::current());
    setModal(false);
    connect(this, &QFileDialog::fileSelected, this, &CardListChooser::cardListChosen);
    connect(this, &QDialog::rejected, this, &CardListChooser::dismissed);
}

std::optional<QString>& CardListChooser::nextAnswer() {
    static std::optional<QString> answer;
    return answer;
}

void CardListChooser::setNextAnswer(const QString& path) {
    nextAnswer() = path;
}

void CardListChooser::clearNextAnswer() {
    nextAnswer().reset();
}

void CardListChooser::present() {
    if (nextAnswer()) {
        const QString path = *nextAnswer();
        nextAnswer().reset();
        if (path.isEmpty()) {
            hide();
            emit dismissed();
        } else {
            choose(path);
        }
        return;
    }
    show();
    raise();
    activateWindow();
}

void CardListChooser::choose(const QString& path) {
    hide();
    emit cardListChosen(path);
}

}  // namespace svdb
