// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <QDialog>
#include <QTime>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class ProjectStore;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

// A recording typed in by hand: the project's name as typed (UTF-8), when it
// started and how many whole minutes it lasted.
struct AddedTime {
    std::string project;
    TimeDate start;
    int64_t minutes = 0;
};

// Stores an added time as a recording of that project, start and length; true
// when it is stored. On false it has told the user why.
using StoreAddedTime = std::function<bool(const AddedTime &)>;

// Reads a start time as a user types it: hours and minutes, with or without
// seconds ("14:00", "14:00:00"), on 24 hours or with AM or PM ("2:00 PM",
// "2 pm"). Minutes and seconds have two digits; nothing for anything else.
std::optional<QTime> parseStartTime(const std::string &text);

// The Add Time dialog: a project, the day and time of day a recording started
// and its minutes. OK hands them to the store function and closes only when
// that stored them; how a name is checked and the row written is the project
// store's business. Cancel stores nothing. Until the user changes the date
// or the start, the start follows the minutes: it is the moment the dialog
// opened less the minutes, so "60" means the hour just worked. The start is
// typed as a user writes a time of day and shown as it will be stored; a
// recording that would end after now is refused. The same dialog edits a
// recording stored earlier (editTime()).
class AddTimeDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int DefaultMinutes = 60;
    static constexpr int MaximumMinutes = 1440;

    // `projectNames` fill the project list; `currentProject` is preselected.
    AddTimeDialog(const QStringList &projectNames, const QString &currentProject,
                  StoreAddedTime store, QWidget *parent = nullptr);
    // The project list is the store's, and OK adds the time to it
    // (ProjectStore::addTime), showing the box for what it could not store.
    AddTimeDialog(ProjectStore &store, const QString &currentProject, QWidget *parent = nullptr);
    ~AddTimeDialog() override;

    // Turns the dialog into "Edit Time" for that recording: its fields hold the
    // recording's, and the start no longer follows the minutes.
    void editTime(const AddedTime &recording);

    // What OK would store now; a start that does not read counts as midnight
    // (OK refuses it before it stores anything).
    AddedTime addedTime() const;

private:
    void createWidgets(const QStringList &projectNames, const QString &currentProject);
    void bindHandlers();
    void startBeforeNow();
    void showStartAsStored();
    bool endsInThePast();
    void storeAndClose();

    StoreAddedTime m_store;
    TimeDate m_opened;
    // Set while the dialog itself moves the start, so only the user's changes
    // stop it following the minutes.
    bool m_settingStart = false;
    bool m_startChosen = false;
    QComboBox *m_project = nullptr;
    QDateEdit *m_date = nullptr;
    QLineEdit *m_start = nullptr;
    QSpinBox *m_minutes = nullptr;
};
