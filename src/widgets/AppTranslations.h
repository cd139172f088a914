#pragma once

#include <QLocale>
#include <QString>

namespace svdb {

// The program speaks Japanese whatever the machine's locale: Qt's own texts
// (standard dialog buttons, file dialogs, context menus) come from Qt's
// Japanese catalogue, and numbers and dates format the Japanese way.
class AppTranslations {
  public:
    static const QLocale kLocale;       // Japanese, Japan
    static const QString kQtCatalogue;  // "qtbase": Qt's own widget texts

    // Makes kLocale the default locale and installs Qt's Japanese catalogue
    // from Qt's translations folder on the running application, which owns
    // it. Call once the QApplication exists and before any window is built;
    // calling it again installs nothing more. Returns whether the catalogue
    // is installed; without it the standard buttons stay in English.
    static bool install();
};

}  // namespace svdb
