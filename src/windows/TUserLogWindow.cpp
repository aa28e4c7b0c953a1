#include "windows/TUserLogWindow.h"

TUserLogWindow::TUserLogWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName("UserLogWindow");
    setWindowTitle("Log  Errors and User Comments");
}
