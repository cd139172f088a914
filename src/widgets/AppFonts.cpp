#include "widgets/AppFonts.h"

#include <QStringList>

namespace svdb {

const QString AppFonts::kFixedFamily = QStringLiteral("ＭＳ ゴシック");
const QString AppFonts::kProportionalFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QString AppFonts::kFixedSubstitute = QStringLiteral("IPAGothic");
const QString AppFonts::kProportionalSubstitute = QStringLiteral("IPAPGothic");

void AppFonts::installSubstitutes() {
    // The fixed-pitch family falls back to any monospace face, the
    // proportional one to any sans-serif face, when the IPA fonts are absent.
    if (!QFont::substitutes(kFixedFamily).contains(kFixedSubstitute)) {
        QFont::insertSubstitutions(kFixedFamily, {kFixedSubstitute, QStringLiteral("monospace")});
    }
    if (!QFont::substitutes(kProportionalFamily).contains(kProportionalSubstitute)) {
        QFont::insertSubstitutions(kProportionalFamily,
                                   {kProportionalSubstitute, QStringLiteral("sans-serif")});
    }
}

QFont AppFonts::fixed() {
    installSubstitutes();
    QFont f(kFixedFamily, kPointSize);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}

QFont AppFonts::proportional() {
    installSubstitutes();
    QFont f(kProportionalFamily, kPointSize);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

}  // namespace svdb
