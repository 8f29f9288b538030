#include "page/catalogue.h"

#include "core/text/load_string.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

QString LanguageModuleFileName(int language) {
    switch (language) {
    case 0:
        return {};
    case 1:
        return QStringLiteral("SIZ_NL.qm");
    case 2:
        return QStringLiteral("SIZ_D.qm");
    default:
        return QStringLiteral("SIZ_F.qm");
    }
}

QString FindLanguageModule(const QString& fileName, const QString& programFolder) {
    if (fileName.isEmpty())
        return {};
    // vnsize sits one folder below the catalogues in the build tree
    const QString appDir = programFolder.isEmpty() && QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : programFolder;
    const QStringList folders{QDir::currentPath(), appDir + QStringLiteral("/../share/vnsizing/translations"),
                              appDir + QStringLiteral("/translations"), appDir, appDir + QStringLiteral("/..")};
    for (const QString& folder : folders) {
        QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString CatalogueString(const QTranslator& catalogue, int id) {
    const char* english = EnglishString(id);
    if (!english)
        return {};
    return catalogue.translate(kStringContext, english, QByteArray::number(id).constData());
}
