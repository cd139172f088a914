#include "widgets/AppTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace svdb {

const QLocale AppTranslations::kLocale(QLocale::Japanese, QLocale::Japan);
const QString AppTranslations::kQtCatalogue = QStringLiteral("qtbase");

namespace {

// Marks the installed translator so a second install() finds it.
const QString kTranslatorName = QStringLiteral("svdb-qt-translator");

}  // namespace

bool AppTranslations::install() {
    QLocale::setDefault(kLocale);
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    if (app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly) != nullptr) {
        return true;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    // Looks for qtbase_ja_JP.qm, then qtbase_ja.qm, which is what Qt ships.
    if (!translator->load(kLocale, kQtCatalogue, QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace svdb
