// SPDX-License-Identifier: MIT
#pragma once

#include "options/GeneralOption.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QFileDialog;

namespace Ui {
class TOptionsForm;
}

// The options editor: a two-column grid of option descriptions and values
// that writes accepted values through the records' bindings into the owner's
// variables. It never touches the options file; moving values between the
// variables and the file is the owner's job. Created once at start-up and
// hidden when closed, so the owner refills it before each showing.
class TOptionsForm : public QWidget {
    Q_OBJECT
public:
    explicit TOptionsForm(QWidget *parent = nullptr);
    ~TOptionsForm() override;

    // Remembers the owner's list (which must outlive the window or be
    // replaced by another fill) and shows its current values.
    void fill(std::vector<GeneralOption> &options);
    // The file dialog's choices: count name/pattern pairs, patterns separated
    // by ";" as in "*.wav;*.mid". Pairs beyond the shorter list are ignored.
    void setFilter(std::span<const std::string> names, std::span<const std::string> patterns,
                   size_t count);

    void OKClicked();
    void Done();
    void Changer();
    void DoDebug();
    void Resizer();

    // Tests answer the file dialog here instead of showing it: called with
    // the prepared dialog, it returns the chosen path, or nothing for cancel.
    std::function<QString(QFileDialog &dialog)> chooseFile;
    // Where the file dialog opens for a row whose value names no existing
    // folder; the current folder when empty or missing. The owner sets it.
    std::string dialogFolder;

    std::unique_ptr<Ui::TOptionsForm> ui;
    // Made when first needed (setFilter or Change), and made afresh for each
    // Change; null before.
    QFileDialog *OpenDialog1 = nullptr;
    // The list being edited; row i of the grid belongs to record i.
    std::vector<GeneralOption> *options = nullptr;

signals:
    // OK has written the values into the owner's variables.
    void accepted();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFonts();
    void prepareGrid();
    void bindHandlers();
    QFileDialog *fileDialog();
    QString runFileDialog(int row);
    const GeneralOption *recordOfRow(int row) const;
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString &text);

    QStringList m_filters{"Executables (*.exe)", "All files (*)"};
    // What fill showed in each value cell (nothing for a kind it leaves
    // alone): OK stores only the cells that differ, so a value the grid
    // cannot show exactly (bytes that are not UTF-8) survives when untouched.
    std::vector<std::optional<QString>> m_shown;
};
