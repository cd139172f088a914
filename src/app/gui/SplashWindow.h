#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLabel;

namespace svdb {

// The about window frmSplash: the program's name, version, warning, maker,
// legal notice and comments, and the card list's version when the list names
// one. Modeless; it closes itself on any key, on losing the focus, and on a
// click on its frame or any of its texts. A press on the logo closes it too,
// except with exactly Ctrl and Alt held: the window then stays and Label1
// tells about the logo.
class SplashWindow : public QDialog {
    Q_OBJECT

  public:
    // listVersion: the card list's version text, empty when it has none.
    explicit SplashWindow(const QString& listVersion, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QLabel* Label1_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    bool wasActive_ = false;
};

}  // namespace svdb
