#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Timer and Alarm Clock");
    return 0;
}
