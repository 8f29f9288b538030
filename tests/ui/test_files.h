// Small file helpers for the UI tests, which work in a temporary current folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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
