#pragma once

#include <QColor>
#include <QGroupBox>
#include <optional>

#include "catalogue/CardRef.h"
#include "search/CardDetail.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace svdb {

class CardTable;

// The card-information frame Frame3 "カード情報": the labels that show one
// card in full, the transform button Command3, and the hidden labels LBhide2
// and Label15 that hold the shown card's slot and row. The right button on
// the frame or on its text labels Label8 and Label9 asks for the pop-up menu.
//
// The transform button switches between the card's front and transformed
// faces. Which face it shows next is the panel's, not the card's: after a
// transformed face was shown the button stays red while other cards are
// shown, and its next press shows the current card's front face again.
class CardInfoPanel : public QGroupBox {
    Q_OBJECT

  public:
    // Heights of the boxes of the card text Label8 and the flavour text Label9
    // in twips, in the normal layout and in the layout of a long card text.
    static constexpr int kTextTwips = 930;
    static constexpr int kFlavorTwips = 720;
    static constexpr int kLongTextTwips = 1130;
    static constexpr int kLongFlavorTwips = 520;

    explicit CardInfoPanel(const CardTable& table, QWidget* parent = nullptr);

    // Blanks the keyword summary, the expansion, the terrain and character
    // codes and the hidden row, and sets the combat labels back to their
    // bare captions. The name, the texts, the costs, the colours and the
    // transform button keep what they show.
    void ClearCardDetail();
    // Shows a card of the catalogue, front face first. A reference to no
    // occupied card shows nothing.
    void ShowCardDetail(CardRef card);
    // The card shown, if any; none after ClearCardDetail.
    std::optional<CardRef> shownCard() const { return shown_; }
    // Whether the transform button shows the transformed face next (false)
    // or has shown it (true).
    bool transformShown() const { return transformShown_; }
    // What the card-information copy reads off the panel.
    const CardInfoTexts& shownTexts() const { return texts_; }
    // The boxes that hold the card text Label8 and the flavour text Label9;
    // their heights make the text layout.
    QScrollArea* textBox() const { return textBox_; }
    QScrollArea* flavorBox() const { return flavorBox_; }

    // --- Event handlers ---
    // The transform toggle; nothing while no card is shown.
    void Command3_Click();

  signals:
    void contextMenuRequested(const QPoint& globalPos);
    // The panel was blanked (the opening-hand chance goes with it).
    void detailCleared();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* label(const char* name, const char* text);
    void setText(QLabel* label, const std::string& text);
    void showFace(const CardFaceDetail& face);
    void setLongLayout(bool on);

    const CardTable& table_;
    std::optional<CardRef> shown_;
    CardDetail detail_;
    CardInfoTexts texts_;
    bool transformShown_ = false;
    bool lastTextLong_ = false;  // the card shown last had a long front text
    QColor buttonFace_;

    QLabel* Label5_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label49_ = nullptr;
    QLabel* Label50_ = nullptr;
    QLabel* LblCardNo_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label51_ = nullptr;
    QLabel* LblChar_ = nullptr;
    QLabel* Label8_ = nullptr;
    QLabel* Label9_ = nullptr;
    QScrollArea* textBox_ = nullptr;
    QScrollArea* flavorBox_ = nullptr;
    QLabel* Label10_ = nullptr;
    QLabel* Label11_ = nullptr;
    QLabel* Label12_ = nullptr;
    QLabel* Label7_ = nullptr;
    QLabel* Label14_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QLabel* LBhide2_ = nullptr;
    QLabel* Label15_ = nullptr;
};

}  // namespace svdb
