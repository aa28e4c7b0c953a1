#pragma once

#include <QWidget>

// the options editor: a secondary window, created once at start-up and
// hidden when closed.
class TOptionsForm : public QWidget {
    Q_OBJECT
public:
    explicit TOptionsForm(QWidget *parent = nullptr);
};
