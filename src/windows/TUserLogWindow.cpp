// SPDX-License-Identifier: MIT
#include "windows/TUserLogWindow.h"

#include "common/TimeDate.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"
#include "platform/Widgets.h"
#include "ui_TUserLogWindow.h"
#include "windows/LogRecord.h"

#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

TUserLogWindow::TUserLogWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TUserLogWindow>()) {
    ui->setupUi(this);
    move(194, 115);
    // The prompt appears with the first request.
    ui->OptionalLabel->hide();
    applyFonts();
    followFrame(this, [this] { runGuarded([this] { Sizing(); }); });
    bindHandlers();
}

TUserLogWindow::~TUserLogWindow() = default;

void TUserLogWindow::applyFonts() {
    setPixelSize(this, 11);
    for (QPushButton *button : {ui->Button1, ui->Button2, ui->Button3})
        setPixelSize(button, 16);
}

void TUserLogWindow::bindHandlers() {
    const auto bind = [this](auto *button, auto handler) { bindHandler(this, button, handler); };
    bind(ui->Button1, &TUserLogWindow::JustLog);
    bind(ui->Button3, &TUserLogWindow::LogExit);
    bind(ui->Button2, &TUserLogWindow::Closer);
    // Escape closes without a log, as the button does; the memo keeps Enter.
    clickOnWindowKey(this, {Qt::Key_Escape}, ui->Button2);
}

void TUserLogWindow::showRequest(const UserLogParms &parms) {
    m_request = &parms;
    show();
    m_request = nullptr;
    raise();
    activateWindow();
}

void TUserLogWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A window restored from the task bar was never hidden.
    if (!event->spontaneous())
        runGuarded([this] { ShowMe(); });
}

void TUserLogWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    runGuarded([this] { Sizing(); });
}

void TUserLogWindow::ShowMe() {
    if (!m_request)
        return;
    FileName = m_request->FileName;
    ui->OptionalLabel->setText(QString::fromStdString(m_request->Prompt));
    ui->OptionalLabel->show();
    Header = m_request->Header;
}

void TUserLogWindow::JustLog() {
    WriteLogRecord();
}

void TUserLogWindow::LogExit() {
    // After a failed write the window stays open with the text in view.
    if (WriteLogRecord())
        close();
}

void TUserLogWindow::Closer() {
    close();
}

void TUserLogWindow::Sizing() {
    const int width = frameGeometry().width();
    const int height = frameGeometry().height();
    const int frameWidth = systemMetric(SM_CXFRAME, this);
    const int frameHeight = systemMetric(SM_CYFRAME, this);
    const int caption = systemMetric(SM_CYCAPTION, this);
    ui->Memo1->resize(std::max(0, width - 2 * frameWidth - 4),
                      std::max(0, height - caption - 2 * frameHeight - 120));
    const int top = height - 2 * frameHeight - ui->Button1->height() - 25;
    for (QPushButton *button : {ui->Button1, ui->Button2, ui->Button3})
        button->move(button->x(), top);
}

std::vector<std::string> TUserLogWindow::memoLines() const {
    QTextDocument *document = ui->Memo1->document();
    std::vector<std::string> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        // An empty last paragraph is the end of the text, not a line.
        if (text.isEmpty() && !block.next().isValid())
            break;
        QTextLayout *layout = block.layout();
        // Blocks out of view may not be laid out yet; asking for the block's
        // size lays it out at the memo's width.
        if (layout->lineCount() == 0)
            document->documentLayout()->blockBoundingRect(block);
        if (layout->lineCount() == 0) {
            lines.push_back(text.toStdString());
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            part.remove(QChar::LineSeparator);
            lines.push_back(part.toStdString());
        }
    }
    return lines;
}

bool TUserLogWindow::WriteLogRecord() {
    TimeDate now;
    now.SetNow();
    if (!appendToFile(FileName, logRecordText(now, Header, memoLines()))) {
        showMessage(
            (FileName.empty()
                 ? tr("Could not write to the log file.")
                 : tr("Could not write to the log file %1.").arg(QString::fromStdString(FileName)))
                .toStdString(),
            tr("Error").toStdString());
        return false;
    }
    ui->Memo1->clear();
    return true;
}
