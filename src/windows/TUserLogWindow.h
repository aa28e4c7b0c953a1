#pragma once

#include <QWidget>

// the log window in which the user writes a comment or an error report: a secondary window, created
// once at start-up and hidden when closed.
class TUserLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit TUserLogWindow(QWidget *parent = nullptr);
};
