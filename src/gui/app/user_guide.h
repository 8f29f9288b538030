// Help > User Guide: the guide opens in the desktop's web browser. An installed program
// finds the page the package installs beside its bin/ folder; a program run from a
// build tree finds the page the build renders, or renders the guide's source itself.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Where the guide is looked for, in this order, from the folder the program runs from.
QStringList UserGuidePlaces(const QString& programFolder);

// The guide's source as a page of its own (in the program's cache folder), its pictures
// found beside the source. Empty when the page could not be written.
QString RenderUserGuide(const QString& markdownFile);

// Opens the first guide found. When there is none, or the desktop cannot open it, a
// message owned by owner says so and where the program looked. True when it was opened.
bool OpenUserGuide(QWidget* owner, const QString& programFolder);
