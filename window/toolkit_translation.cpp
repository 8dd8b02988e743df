#include "toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace kometa::window {

QTranslator *InstallToolkitTranslation(const QString &uiLanguage)
{
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    if (name.isEmpty() || name == u"C"_s)
        return nullptr;
    // One file name, cut back at its underscores: "qtbase_pt_BR.qm", then "qtbase_pt.qm".
    // Each try is one look at one file; no folder is listed.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(u"qtbase_"_s + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                          u"_"_s)
        || translator->isEmpty()) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace kometa::window
