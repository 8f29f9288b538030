#include "gui/app/language.h"

#include "core/text/load_string.h"

#include <QCoreApplication>
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
    return CatalogueString(translator_, id);
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
