// Language modules: a Qt translation catalogue per language ("SIZ_NL.qm", "SIZ_D.qm",
// "SIZ_F.qm") that carries the numbered strings, the dialog texts, the menus and,
// optionally, version keys for the about box. English is the program itself. Qt's own
// catalogue of the same language comes along for the file, print and message dialogs.
#pragma once

#include "core/settings/version_info.h"
#include "page/catalogue.h"

#include <QString>
#include <QTranslator>

#include <memory>


class LanguageModule {
public:
    // Loads a catalogue file; null when it cannot be loaded. Qt's catalogue is optional:
    // without it the standard dialogs stay English and ours still works.
    static std::unique_ptr<LanguageModule> Load(const QString& path);

    const QString& FilePath() const { return path_; }
    QTranslator* Translator() { return &translator_; }
    // Qt's catalogue as found; null when none is installed for this language.
    const QTranslator* QtTranslator() const { return qtLoaded_ ? &qtTranslator_ : nullptr; }

    // Makes both catalogues the application's, ours asked first; and takes them back.
    void Install();
    void Uninstall();

    // The text of string number id; empty when the catalogue lacks it.
    QString String(int id) const;
    // A menu caption in this language (the English caption when the catalogue lacks it).
    QString MenuCaption(const QString& english) const;
    // The catalogue's version keys.
    VersionLookup Versions() const;

private:
    QString path_;
    QTranslator translator_;
    QTranslator qtTranslator_;
    bool qtLoaded_ = false;
};

