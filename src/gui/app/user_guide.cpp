#include "gui/app/user_guide.h"

#include "gui/common/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

QStringList UserGuidePlaces(const QString& programFolder) {
    const QDir bin(programFolder);
    QStringList places;
    for (const char* relative : {"../share/doc/vnsizing/user-guide.html", "../packaging/doc/user-guide.html",
                                 "../packaging/doc/user-guide.md"})
        places << QDir::cleanPath(bin.absoluteFilePath(QString::fromLatin1(relative)));
    return places;
}

QString RenderUserGuide(const QString& markdownFile) {
    QFile source(markdownFile);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(source.readAll());
    // the contents marker is the HTML renderer's own; here it would stand as plain text
    text.remove(QRegularExpression(QStringLiteral("^\\[TOC\\]\\s*$"), QRegularExpression::MultilineOption));
    QTextDocument document;
    document.setMarkdown(text);
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("^# (.+)$"), QRegularExpression::MultilineOption).match(text);
    if (title.hasMatch())
        document.setMetaInformation(QTextDocument::DocumentTitle, title.captured(1).trimmed());
    QString html = document.toHtml();
    // the pictures stay beside the source; the page finds them there
    const QString base = QUrl::fromLocalFile(QFileInfo(markdownFile).absolutePath() + QLatin1Char('/')).toString();
    html.replace(QStringLiteral("<head>"), QStringLiteral("<head><base href=\"%1\" />").arg(base.toHtmlEscaped()));

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    QSaveFile page(QDir(folder).filePath(QStringLiteral("user-guide.html")));
    if (!page.open(QIODevice::WriteOnly) || page.write(html.toUtf8()) < 0 || !page.commit())
        return {};
    return page.fileName();
}

bool OpenUserGuide(QWidget* owner, const QString& programFolder) {
    const QStringList places = UserGuidePlaces(programFolder);
    for (const QString& place : places) {
        if (!QFileInfo(place).isFile())
            continue;
        QString page = place;
        if (place.endsWith(QLatin1String(".md"))) {
            page = RenderUserGuide(place);
            if (page.isEmpty()) {
                ShowError(owner, Str(204).replace(QStringLiteral("%s"), place));
                return false;
            }
        }
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
            return true;
        ShowError(owner, Str(204).replace(QStringLiteral("%s"), page));
        return false;
    }
    ShowError(owner, Str(203).replace(QStringLiteral("%s"), places.join(QLatin1Char('\n'))));
    return false;
}
