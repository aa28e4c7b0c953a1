// SPDX-License-Identifier: MIT
#include "windows/TQuenAbout.h"

#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"
#include "platform/SystemMetrics.h"
#include "platform/Widgets.h"
#include "ui_TQuenAbout.h"

#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>

namespace {
const char *const Author = "Quen";
} // namespace

TQuenAbout::TQuenAbout(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TQuenAbout>()) {
    ui->setupUi(this);
    move(192, 113);
    applyFonts();
    followFrame(this, [this] { runGuarded([this] { Sizing(); }); });
    connect(ui->Button1, &QPushButton::clicked, this, guarded([this] { AboutClose(); }));
    // As in a dialog: Enter presses OK, Escape closes.
    clickOnWindowKey(this, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}, ui->Button1);
}

TQuenAbout::~TQuenAbout() = default;

void TQuenAbout::applyFonts() {
    setPixelSize(this, 11);
    for (QWidget *label : {ui->CopyWLabel, ui->Label1, ui->Label2, ui->VerLabel})
        setPixelSize(label, 15);
    setPixelSize(ui->DescrLabel, 16);
}

void TQuenAbout::SetYears(int first, int last) {
    FirstYear = first;
    LastYear = last;
}

void TQuenAbout::SetVersion(const std::string &text) {
    Version = text;
}

void TQuenAbout::SetDescription(const std::string &text, int size) {
    QFont font = ui->DescrLabel->font();
    font.setPointSize(size);
    ui->DescrLabel->setFont(font);
    ui->DescrLabel->setText(QString::fromStdString(text));
}

void TQuenAbout::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // The picture is read when the box is first shown, not at every start.
    if (ui->Image1->pixmap().isNull())
        ui->Image1->setPixmap(programPixmap(ui->Image1->width()));
    // A box restored from the task bar was never hidden.
    if (!event->spontaneous())
        runGuarded([this] { ShowMe(); });
}

void TQuenAbout::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    runGuarded([this] { Sizing(); });
}

void TQuenAbout::ShowMe() {
    ui->CopyWLabel->setText(
        tr("Copyright (c) %1-%2 %3").arg(FirstYear).arg(LastYear).arg(QString::fromUtf8(Author)));
    // The years and the author's name are wider than the label: it keeps its
    // width and grows downwards over the empty web-address line rather than
    // cut the name off.
    QLabel *years = ui->CopyWLabel;
    years->resize(years->width(), std::max(17, years->heightForWidth(years->width())));
    ui->VerLabel->setText(tr("Version: %1").arg(QString::fromStdString(Version)));
    ui->VerLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The version label fits its text, as the years label does not.
    ui->VerLabel->adjustSize();
}

void TQuenAbout::AboutClose() {
    close();
}

void TQuenAbout::Sizing() {
    // The content's size is the outer size; the frame the window manager adds
    // is not ours to resize.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize content(ui->DescrLabel->x() + ui->DescrLabel->width() + 30,
                        ui->Button1->y() + ui->Button1->height() + 45);
    const QSize inner = content - frame;
    if (size() != inner)
        resize(inner);
}
