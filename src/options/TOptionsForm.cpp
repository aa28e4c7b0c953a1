#include "options/TOptionsForm.h"

TOptionsForm::TOptionsForm(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName("OptionsForm");
    setWindowTitle("Options");
}
