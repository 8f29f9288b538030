// A working folder for the screen benchmarks: a temporary folder holding the files given,
// made current for as long as it lives, and the pneumatic program's application object
// started in it, as a user starts the program in a working folder.
#pragma once

#include "gui/app/application.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <utility>
#include <vector>

class WorkFolder {
public:
    explicit WorkFolder(const std::vector<std::pair<const char*, QByteArray>>& files)
        : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        for (const auto& [name, content] : files) {
            QFile file(QString::fromLatin1(name));
            file.open(QIODevice::WriteOnly);
            file.write(content);
        }
        app_.SetStartupProbe(true);
        app_.InitMainWindow();
    }
    ~WorkFolder() { QDir::setCurrent(previous_); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    VnApp& App() { return app_; }

private:
    QTemporaryDir dir_;
    QString previous_;
    VnApp app_;
};
