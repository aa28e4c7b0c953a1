// SPDX-License-Identifier: MIT
#pragma once

#include "projects/ProjectStore.h"

#include <QDialog>

#include <vector>

class HistoryModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// The History window: every recording, newest first, through a project and a
// period filter, where a user edits a recording (in the Edit Time dialog) or
// deletes several. Not modal. It reads and changes the records only through
// the store it is given, reads the rows as the table shows them, and follows
// the store's signals at once, whichever window made the change. A change the
// store refuses is shown in the store's own words and leaves the table as it
// was.
class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    explicit HistoryWindow(ProjectStore &store, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // 1 Monday to 7 Sunday, as Totals counts the week; the locale's first day
    // of the week by default.
    void setFirstDayOfWeek(int day);
    // Shows the window, or raises it when it is already shown.
    void showAndRaise();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();
    void bindHandlers();
    void fillProjects();
    void projectChosen();
    void refresh();
    HistoryFilter filter() const;
    std::vector<HistoryRow> selectedRows() const;
    void updateButtons();
    void editCurrent();
    void deleteSelected();

    ProjectStore &m_store;
    int m_firstDayOfWeek;
    // The project index is made at the first choice of a project, where it
    // is needed, not at every opening.
    bool m_prepared = false;
    HistoryModel *m_model = nullptr;
    QComboBox *m_project = nullptr;
    QComboBox *m_period = nullptr;
    QLabel *m_message = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_close = nullptr;
};
