#include "widgets/AppFonts.h"

#include <QFontDatabase>
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

QString AppFonts::familyFor(const QString& family, const QString& substitute) {
    // A family the machine lacks sends the font database looking for
    // fallbacks at every new size and weight, which costs start-up dearly;
    // where the family is missing and its stand-in is installed, the stand-in
    // is asked for by name.
    if (!QFontDatabase::hasFamily(family) && QFontDatabase::hasFamily(substitute))
        return substitute;
    return family;
}

QFont AppFonts::fixed() {
    installSubstitutes();
    static const QString family = familyFor(kFixedFamily, kFixedSubstitute);
    QFont f(family, kPointSize);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QFont AppFonts::proportional() {
    installSubstitutes();
    static const QString family = familyFor(kProportionalFamily, kProportionalSubstitute);
    QFont f(family, kPointSize);
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

}  // namespace svdb
