// Small file helpers for the UI tests, which work in a temporary current folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

inline void WriteText(const QString& path, const QByteArray& content) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

inline QByteArray ReadText(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Lines joined with CR LF, as the programs write them.
inline QByteArray CrLfLines(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* l : lines)
        out += QByteArray(l) + "\r\n";
    return out;
}

// Empties the test's temporary folder and makes it the current one, where the programs
// look for their files. Returns the folder to go back to afterwards.
inline QString EnterWorkFolder(const QTemporaryDir& dir) {
    const QString previous = QDir::currentPath();
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    QDir::setCurrent(dir.path());
    return previous;
}
