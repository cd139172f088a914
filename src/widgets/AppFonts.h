#pragma once

#include <QFont>
#include <QString>

namespace svdb {

// The two Japanese fonts of the program. The windows name them by their
// Windows family names; on a machine without those fonts the families are
// substituted with the IPA Gothic fonts, so every label still renders in
// Japanese.
class AppFonts {
  public:
    static const QString kFixedFamily;             // "ＭＳ ゴシック": deck lists, totals
    static const QString kProportionalFamily;      // "ＭＳ Ｐゴシック": everything else
    static const QString kFixedSubstitute;         // "IPAGothic"
    static const QString kProportionalSubstitute;  // "IPAPGothic"
    static constexpr int kPointSize = 9;

    // Maps the two families onto the installed substitutes. Safe to call more
    // than once.
    static void installSubstitutes();

    // The program's two fonts: the Windows family where the machine has it,
    // else its installed stand-in by name (the substitution stays installed
    // for anything that names the Windows family). Both ask for the font's
    // own full hinting: small Japanese text stays sharp, and no glyph waits
    // for the automatic hinter, whose study of a large Japanese face took
    // about a fifth of the program's start. Both also skip OpenType shaping
    // where the script needs none (Japanese and Latin text do not; Qt still
    // shapes the scripts that do): every text the program shows comes from
    // Shift_JIS, which has no combining marks or variation selectors, and
    // shaping them cost a tenth of the start.
    static QFont fixed();
    static QFont proportional();

  private:
    static QString familyFor(const QString& family, const QString& substitute);
};

}  // namespace svdb
