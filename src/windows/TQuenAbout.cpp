#include "windows/TQuenAbout.h"

TQuenAbout::TQuenAbout(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName("QuenAbout");
    setWindowTitle("About this program ...");
}
