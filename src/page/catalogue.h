// The language catalogues ("SIZ_NL.qm", "SIZ_D.qm", "SIZ_F.qm"): where they are found and
// how they answer a numbered string, for the windows and for vnsize alike.
#pragma once

#include <QString>

class QTranslator;

// Translation contexts inside a catalogue.
inline constexpr const char* kStringContext = "VnStrings"; // source: English text, disambiguation: the number
inline constexpr const char* kMenuContext = "VnMenu";      // source: the English caption
inline constexpr const char* kVersionContext = "VnVersion"; // source: the key name

// "SIZ_NL.qm", "SIZ_D.qm", "SIZ_F.qm" for 1, 2, 3 (and anything above 3); empty for English.
QString LanguageModuleFileName(int language);

// The catalogue's path: the current directory first, then the folders the programs are
// installed or built with, beside programFolder (the running application's folder when
// empty). Empty when there is none.
QString FindLanguageModule(const QString& fileName, const QString& programFolder = {});

// The text of string number id in the catalogue; empty when it lacks it.
QString CatalogueString(const QTranslator& catalogue, int id);
