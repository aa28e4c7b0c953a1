// SPDX-License-Identifier: MIT
// The floor the benchmark measures the program's start against: a Qt Widgets
// main window of the same size with a menu bar and five empty tabs, and
// nothing else. Its title is "Bare Window".
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    for (const char *menu : {"&File", "&Options", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    auto *tabs = new QTabWidget;
    for (const char *tab : {"Timer", "Alarm", "StopWatch", "Time Record", "Clock"})
        tabs->addTab(new QWidget, QString::fromLatin1(tab));
    window.setCentralWidget(tabs);
    // The main window's size, as its layout gives it.
    window.resize(388, 264);
    window.show();
    return QApplication::exec();
}
