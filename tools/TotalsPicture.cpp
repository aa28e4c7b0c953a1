// SPDX-License-Identifier: MIT
// Takes the README's picture of the Totals window: fills a project database
// in a temporary folder with a few weeks of sample recordings around today,
// opens the window on it as the Records menu does and saves what it shows.
// Runs on Qt's offscreen platform, so it needs no display; the picture has no
// window frame.
// Usage: TotalsPicture <picture.png>

#include "common/TimeDate.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/SQLite.h"
#include "projects/TotalsWindow.h"

#include <QApplication>
#include <QDate>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    const char *project;
    int daysAgo;
    int hour;
    int minutes;
};

// Most of the week on the thesis, evenings in the garden, a talk last month.
const Sample Samples[] = {
    {"Thesis", 0, 8, 185},
    {"Thesis", 1, 9, 240},
    {"Thesis", 2, 8, 210},
    {"Thesis", 9, 9, 300},
    {"Thesis", 16, 9, 260},
    {"Thesis", 40, 9, 1250},
    {"Garden, front", 0, 7, 45},
    {"Garden, front", 3, 18, 95},
    {"Garden, front", 12, 17, 120},
    {"Conference talk", 5, 14, 90},
    {"Conference talk", 35, 10, 640},
    {"Tax return", 0, 13, 25},
    {"Tax return", 60, 10, 180},
    {"Reading group", 2, 20, 60},
};

bool fill(const std::string &path) {
    createDatabaseFileIfMissing(path);
    SQLite db;
    if (!db.Open(path, false) || !db.Execute(CreateProjectsTableSql) ||
        !db.Execute(CreateTimesTableSql))
        return false;
    std::vector<std::string> names;
    for (const Sample &sample : Samples) {
        int id = 0;
        while (id < static_cast<int>(names.size()) && names[id] != sample.project)
            ++id;
        if (id == static_cast<int>(names.size())) {
            names.push_back(sample.project);
            if (!db.Execute(newProjectSql(id + 1, sample.project)))
                return false;
        }
        const QDate day = QDate::currentDate().addDays(-sample.daysAgo);
        const TimeDate start(static_cast<int16_t>(day.year()), static_cast<int16_t>(day.month()),
                             static_cast<int16_t>(day.day()), static_cast<int16_t>(sample.hour),
                             static_cast<int16_t>(id), 0, 0);
        if (!db.Execute(recordTimeSql(id + 1, sample.minutes, start)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::string path = folder.filePath(ProjectDatabaseName).toStdString();
    if (!fill(path)) {
        std::fprintf(stderr, "cannot make the sample database in %s\n", path.c_str());
        return 1;
    }
    ProjectStore store;
    store.open(path, ProjectStore::OpenMode::ReadOnly);
    TotalsWindow window(store);
    window.resize(720, 250);
    window.showAndRaise();
    // The table's focus frame would mark its first cell as if chosen.
    window.findChild<QPushButton *>("CopyButton")->setFocus();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
