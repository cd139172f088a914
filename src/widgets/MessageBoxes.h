#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

namespace svdb {

// Every message box of the program goes through here, so that tests can
// answer the next box without a modal loop and read what it said.
class MessageBoxes {
  public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    // The program's name, the title of its own boxes: "Starvane Deck Builder".
    static QString programTitle() { return QStringLiteral("Starvane Deck Builder"); }

    // Shows a modal box and returns the button pressed. While an answer is
    // queued with setNextAnswer, no box is shown and that answer is returned.
    static QMessageBox::StandardButton show(QWidget* parent, const QString& title,
                                            const QString& text, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons);

    // The general error box: title "SVDBエラー", the error icon and OK.
    static void error(QWidget* parent, const QString& text);

    // Test seam: the next box returns this answer without showing.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // The last box asked for (shown or answered by the seam), if any.
    static std::optional<Shown> last();
    static void clearLast();
};

}  // namespace svdb
