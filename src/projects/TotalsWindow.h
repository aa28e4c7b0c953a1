// SPDX-License-Identifier: MIT
#pragma once

#include "projects/RecordTotals.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class ProjectStore;
class QLabel;
class QPushButton;
class QTableView;
class TotalsModel;

// The Totals window: the minutes of every project today, this week, this
// month and in all time, read from the project store, with a last row for all
// projects and a button that copies the table as tab-separated text. The
// selected project is renamed (merged into another of the new name) or
// deleted with its recordings, after a question, through the store; the
// project being recorded is left alone. Not modal; its owner keeps one and
// shows it with showAndRaise(). It re-reads the store when shown, whenever the
// records change and at each local midnight, and never while hidden.
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

    // The name of the project a recording runs for, empty when none does:
    // that project cannot be renamed, merged or deleted.
    void setRecordedProject(std::function<std::string()> recorded);

    // What Copy puts on the clipboard: the header, the rows as shown and the
    // All projects row, tab-separated, one line each.
    QString tableText() const;

signals:
    // A project was renamed, or merged into `newName`.
    void projectRenamed(const QString &name, const QString &newName);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createWidgets();
    void bindHandlers();
    void copyTable();
    std::optional<std::string> selectedProject() const;
    void updateButtons();
    bool refusedWhileRecorded(const std::string &name) const;
    std::optional<std::string> askNewName(const std::string &name);
    void renameSelected();
    void deleteSelected();
    void showTotals(const RecordTotals &totals);
    void showOnlyText(const QString &text);
    void armMidnightTimer();

    ProjectStore &m_store;
    int m_firstDayOfWeek;
    TotalsModel *m_model = nullptr;
    QLabel *m_message = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_delete = nullptr;
    std::function<std::string()> m_recorded;
    QTimer m_midnight;
};
