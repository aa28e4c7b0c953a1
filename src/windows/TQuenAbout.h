// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class TQuenAbout;
}

// The about box: the program's picture, its description, the years and author
// line and the version. A secondary window, created once at start-up and only
// hidden when closed; whoever shows it sets the years, version and description
// first, and the labels take them each time the box appears.
class TQuenAbout : public QWidget {
    Q_OBJECT
public:
    explicit TQuenAbout(QWidget *parent = nullptr);
    ~TQuenAbout() override;

    void SetYears(int first, int last);
    void SetVersion(const std::string &text);
    // The description in a font of the given size in points.
    void SetDescription(const std::string &text, int size);

    void ShowMe();
    void AboutClose();
    void Sizing();

    std::unique_ptr<Ui::TQuenAbout> ui;
    int FirstYear = 2008;
    int LastYear = 2008;
    std::string Version = "1.1";

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFonts();
};
