#include "widgets/MessageBoxes.h"

namespace svdb {

namespace {
std::optional<QMessageBox::StandardButton> nextAnswer;
std::optional<MessageBoxes::Shown> lastShown;
}  // namespace

void MessageBoxes::error(QWidget* parent, const QString& text) {
    show(parent, QString::fromUtf8("SVDBエラー"), text, QMessageBox::Critical, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBoxes::show(QWidget* parent, const QString& title,
                                               const QString& text, QMessageBox::Icon icon,
                                               QMessageBox::StandardButtons buttons) {
    lastShown = Shown{title, text, icon, buttons};
    if (nextAnswer) {
        const QMessageBox::StandardButton answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer) {
    nextAnswer = answer;
}

std::optional<MessageBoxes::Shown> MessageBoxes::last() {
    return lastShown;
}

void MessageBoxes::clearLast() {
    lastShown.reset();
}

}  // namespace svdb
