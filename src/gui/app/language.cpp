#include "gui/app/language.h"

#include "core/text/load_string.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

std::unique_ptr<LanguageModule> LanguageModule::Load(const QString& path) {
    auto module = std::make_unique<LanguageModule>();
    if (!module->translator_.load(path))
        return nullptr;
    module->path_ = path;
    // "qtbase_de_DE" falls back to "qtbase_de", the name Qt's catalogues have
    const QString language = module->translator_.language();
    if (!language.isEmpty())
        module->qtLoaded_ = module->qtTranslator_.load(QStringLiteral("qtbase_") + language,
                                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return module;
}

void LanguageModule::Install() {
    // the translator installed last is asked first
    if (qtLoaded_)
        QCoreApplication::installTranslator(&qtTranslator_);
    QCoreApplication::installTranslator(&translator_);
}

void LanguageModule::Uninstall() {
    QCoreApplication::removeTranslator(&translator_);
    if (qtLoaded_)
        QCoreApplication::removeTranslator(&qtTranslator_);
}

QString LanguageModule::String(int id) const {
    const char* english = EnglishString(id);
    if (!english)
        return {};
    return translator_.translate(kStringContext, english, QByteArray::number(id).constData());
}

QString LanguageModule::MenuCaption(const QString& english) const {
    QString text = translator_.translate(kMenuContext, english.toUtf8().constData());
    return text.isEmpty() ? english : text;
}

VersionLookup LanguageModule::Versions() const {
    return [this](const std::string& key) -> std::optional<std::string> {
        QString value = translator_.translate(kVersionContext, key.c_str());
        if (value.isEmpty())
            return std::nullopt;
        return value.toStdString();
    };
}

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

QString FindLanguageModule(const QString& fileName) {
    if (fileName.isEmpty())
        return {};
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders{QDir::currentPath(), appDir + QStringLiteral("/../share/vnsizing/translations"),
                              appDir + QStringLiteral("/translations"), appDir};
    for (const QString& folder : folders) {
        QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}
