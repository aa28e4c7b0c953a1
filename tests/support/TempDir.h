// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <string>

// A temporary folder that is also the current directory while it lives.
class TempCurrentDir {
public:
    TempCurrentDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~TempCurrentDir() { QDir::setCurrent(m_previous); }
    TempCurrentDir(const TempCurrentDir &) = delete;
    TempCurrentDir &operator=(const TempCurrentDir &) = delete;

    std::string path() const { return m_dir.path().toStdString(); }
    std::string file(const std::string &name) const { return path() + "/" + name; }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
