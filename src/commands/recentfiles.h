#pragma once

#include <QStringList>

class Settings;

// The data files opened or saved last, newest first, each once, at most eight; kept in the settings
// store under RecentFile1..RecentFile8 as soon as the list changes.
class RecentFiles {
public:
    static constexpr int Limit = 8;

    explicit RecentFiles(Settings& settings);

    const QStringList& files() const { return files_; }
    // Puts the file first (by its absolute path).
    void add(const QString& path);
    void remove(const QString& path);

private:
    void save();

    Settings& settings_;
    QStringList files_;
};
