// SPDX-License-Identifier: MIT
#pragma once

#include "projects/RecordTotals.h"

#include <QDialog>
#include <QTimer>

class ProjectStore;
class QLabel;
class QPushButton;
class QTableView;
class TotalsModel;

// The Totals window: the minutes of every project today, this week, this
// month and in all time, read from the project store, with a last row for all
// projects and a button that copies the table as tab-separated text. Not
// modal; its owner keeps one and shows it with showAndRaise(). It re-reads the
// store when shown, whenever the records change and at each local midnight,
// and never while hidden.
class TotalsWindow : public QDialog {
    Q_OBJECT

public:
    // The store must outlive the window.
    explicit TotalsWindow(ProjectStore &store, QWidget *parent = nullptr);
    ~TotalsWindow() override;

    // 1 Monday to 7 Sunday; the locale's first day of the week by default.
    void setFirstDayOfWeek(int day);

    // Re-reads the store when the window is shown; does nothing while it
    // is hidden, since showing it reads anyway.
    void refresh();
    // Shows the window, or raises it when it is already shown.
    void showAndRaise();

    // What Copy puts on the clipboard: the header, the rows as shown and the
    // All projects row, tab-separated, one line each.
    QString tableText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createWidgets();
    void bindHandlers();
    void copyTable();
    void showTotals(const RecordTotals &totals);
    void showOnlyText(const QString &text);
    void armMidnightTimer();

    ProjectStore &m_store;
    int m_firstDayOfWeek;
    TotalsModel *m_model = nullptr;
    QLabel *m_message = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_copy = nullptr;
    QTimer m_midnight;
};
