// SPDX-License-Identifier: MIT
#include "options/TOptionsForm.h"

#include "options/EditorRules.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"
#include "platform/Widgets.h"
#include "ui_TOptionsForm.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTableWidgetItem>

#include <algorithm>

TOptionsForm::TOptionsForm(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TOptionsForm>()) {
    ui->setupUi(this);
    move(176, 164);
    applyFonts();
    prepareGrid();
    // The window manager frames the window after its first resize.
    followFrame(this, [this] { runGuarded([this] { Resizer(); }); });
    bindHandlers();
}

// Building a file dialog takes about as long as the rest of the editor and
// starts a thread that reads the current folder, so it waits until the
// editor is first given its filters or asked for a file.
QFileDialog *TOptionsForm::fileDialog() {
    if (!OpenDialog1) {
        OpenDialog1 = new QFileDialog(this);
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1->setNameFilters(m_filters);
    }
    return OpenDialog1;
}

TOptionsForm::~TOptionsForm() = default;

void TOptionsForm::applyFonts() {
    setPixelSize(this, 10);
    setPixelSize(ui->Label1, 16);
    setPixelSize(ui->Label2, 16);
}

// The description column works like a fixed column: shown in the button
// colour and never edited. Its cells exist from the start so that editing
// cannot create one. The column widths the resize gives leave no room for the
// grid's frame, so the layout has no horizontal scroll bar: the last pixels are
// clipped rather than scrolled.
void TOptionsForm::prepareGrid() {
    QTableWidget *grid = ui->StringGrid1;
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(20);
    for (int row = 0; row < grid->rowCount(); ++row)
        setCellText(row, 0, QString());
}

void TOptionsForm::bindHandlers() {
    const auto bind = [this](auto *button, auto handler) { bindHandler(this, button, handler); };
    bind(ui->OK, &TOptionsForm::OKClicked);
    bind(ui->Cancel, &TOptionsForm::Done);
    bind(ui->ChangeButton, &TOptionsForm::Changer);
    bind(ui->DbgButton, &TOptionsForm::DoDebug);
    // Escape is Cancel, once no cell is being edited.
    clickOnWindowKey(this, {Qt::Key_Escape}, ui->Cancel);
}

QString TOptionsForm::cellText(int row, int column) const {
    const QTableWidgetItem *item = ui->StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void TOptionsForm::setCellText(int row, int column, const QString &text) {
    QTableWidget *grid = ui->StringGrid1;
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
        }
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

const GeneralOption *TOptionsForm::recordOfRow(int row) const {
    if (!options || row < 0 || static_cast<size_t>(row) >= options->size())
        return nullptr;
    return &(*options)[static_cast<size_t>(row)];
}

void TOptionsForm::fill(std::vector<GeneralOption> &list) {
    options = &list;
    QTableWidget *grid = ui->StringGrid1;
    grid->setRowCount(static_cast<int>(list.size()));
    m_shown.assign(list.size(), std::nullopt);
    for (size_t i = 0; i < list.size(); ++i) {
        const int row = static_cast<int>(i);
        setCellText(row, 0, QString::fromStdString(list[i].description));
        if (const auto value = list[i].valueText()) {
            m_shown[i] = QString::fromStdString(*value);
            setCellText(row, 1, *m_shown[i]);
        }
    }
    // Change acts on the current row, so one is current from the start.
    if (grid->rowCount() > 0 && (grid->currentRow() < 0 || grid->currentRow() >= grid->rowCount()))
        grid->setCurrentCell(0, 1);
}

void TOptionsForm::setFilter(std::span<const std::string> names,
                             std::span<const std::string> patterns, size_t count) {
    QStringList filters;
    for (const std::string &filter : fileDialogFilters(names, patterns, count))
        filters << QString::fromStdString(filter);
    m_filters = filters;
    fileDialog()->setNameFilters(filters);
}

// A row that does not convert keeps its variable and is reported; the rows
// after it are still written.
void TOptionsForm::OKClicked() {
    for (int row = 0; row < ui->StringGrid1->rowCount(); ++row) {
        const GeneralOption *record = recordOfRow(row);
        if (!record)
            break;
        const QString text = cellText(row, 1);
        const auto index = static_cast<size_t>(row);
        if (index < m_shown.size() && m_shown[index] == text)
            continue;
        switch (record->storeText(text.toStdString())) {
        case StoreResult::NotAnInteger:
            showMessage(tr("The field did not contain an integer").toStdString(),
                        cellText(row, 0).toStdString());
            break;
        case StoreResult::NotYesOrNo:
            showMessage(tr("The field did not contain yes or no").toStdString(),
                        cellText(row, 0).toStdString());
            break;
        case StoreResult::Stored:
        case StoreResult::Ignored:
            break;
        }
    }
    close();
    emit accepted();
}

void TOptionsForm::Done() {
    close();
}

// A dialog keeps the name last typed into it, and what the user types next
// would be added to it, so each Change gets a fresh one. It starts at the
// row's current file.
QString TOptionsForm::runFileDialog(int row) {
    delete OpenDialog1;
    OpenDialog1 = nullptr;
    fileDialog();
    const DialogStart start = dialogStart(cellText(row, 1).toStdString(), dialogFolder);
    OpenDialog1->setDirectory(QString::fromStdString(start.folder));
    if (!start.name.empty())
        OpenDialog1->selectFile(QString::fromStdString(start.name));
    // Opens on the second entry, which with the sound filters is every file.
    const QStringList filters = OpenDialog1->nameFilters();
    if (filters.size() >= 2)
        OpenDialog1->selectNameFilter(filters[1]);
    if (chooseFile)
        return chooseFile(*OpenDialog1);
    if (OpenDialog1->exec() != QDialog::Accepted)
        return QString();
    return OpenDialog1->selectedFiles().value(0);
}

void TOptionsForm::Changer() {
    const int row = ui->StringGrid1->currentRow();
    const GeneralOption *record = recordOfRow(row);
    if (!record)
        return;
    switch (record->kind) {
    case OptionKind::Text:
    case OptionKind::Integer:
        showMessage(tr("This value is just a string - edit it.").toStdString(),
                    tr("Change is not needed").toStdString());
        break;
    case OptionKind::Folder:
    case OptionKind::File: {
        const QString chosen = runFileDialog(row);
        if (chosen.isEmpty())
            break;
        setCellText(row, 1,
                    record->kind == OptionKind::Folder
                        ? QString::fromStdString(folderOfChosenFile(chosen.toStdString()))
                        : chosen);
        break;
    }
    case OptionKind::YesNo: {
        const QString value = cellText(row, 1);
        if (value == "Yes")
            setCellText(row, 1, "No");
        else if (value == "No")
            setCellText(row, 1, "Yes");
        else
            showMessage(tr("The value needs to be Yes or No and is not. I cannot change it, edit "
                           "it yourself.")
                            .toStdString(),
                        tr("Error changing boolean.").toStdString());
        break;
    }
    default:
        showMessage(tr("The type seems to be wrong, contact programming support.").toStdString(),
                    tr("Program Error.").toStdString());
        break;
    }
}

void TOptionsForm::DoDebug() {}

void TOptionsForm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    runGuarded([this] { Resizer(); });
}

void TOptionsForm::Resizer() {
    const int width = frameGeometry().width();
    const int height = frameGeometry().height();
    const int dialogFrame = systemMetric(SM_CXDLGFRAME, this);
    QTableWidget *grid = ui->StringGrid1;

    const int gridHeight = height - (ui->OK->height() + dialogFrame + systemMetric(SM_CYMIN, this) +
                                     systemMetric(SM_CYFRAME, this) + grid->y() + 20);
    const int gridWidth =
        width - (grid->x() + 2 * systemMetric(SM_CXFRAME, this) + 2 * dialogFrame + 8);
    // A window shrunk below its controls gets an empty grid, not a negative one.
    grid->resize(std::max(0, gridWidth), std::max(0, gridHeight));
    if (gridWidth > 400) {
        grid->setColumnWidth(0, 200);
        grid->setColumnWidth(1, gridWidth - 200);
    } else {
        grid->setColumnWidth(0, std::max(0, gridWidth / 2));
        grid->setColumnWidth(1, std::max(0, gridWidth / 2));
    }

    const int buttonTop = grid->y() + grid->height() + 5;
    ui->OK->move(ui->OK->x(), buttonTop);
    ui->ChangeButton->move(ui->ChangeButton->x(), buttonTop);
    ui->Cancel->move(ui->Cancel->x(), buttonTop);
    ui->DbgButton->move(ui->DbgButton->x(), buttonTop + 10);
    if (width > 426)
        ui->DbgButton->move(width - 250, ui->DbgButton->y());
    if (width > 342)
        ui->Cancel->move(width - ui->Cancel->width() - 32, ui->Cancel->y());
}
