#pragma once

#include <QFileDialog>
#include <optional>

namespace svdb {

// The window in which the user chooses a card list when none was found at
// start-up. A plain file dialog, shown modeless; it reports the chosen path and
// leaves loading to its owner.
class CardListChooser : public QFileDialog {
    Q_OBJECT

  public:
    explicit CardListChooser(QWidget* parent = nullptr);

    // Shows the window and gives it the focus. When an answer is pending
    // (setNextAnswer), nothing is shown: the answer is given at once.
    void present();

    // Settles the choice as if the user had picked the path: hides the window
    // and emits cardListChosen.
    void choose(const QString& path);

    // Test seam: the next present() answers with path instead of waiting for
    // the user; an empty path answers as if the window had been closed.
    static void setNextAnswer(const QString& path);
    static void clearNextAnswer();

  signals:
    void cardListChosen(const QString& path);
    void dismissed();

  private:
    static std::optional<QString>& nextAnswer();
};

}  // namespace svdb
