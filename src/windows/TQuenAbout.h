#pragma once

#include <QWidget>

// the about box: a secondary window, created once at start-up and
// hidden when closed.
class TQuenAbout : public QWidget {
    Q_OBJECT
public:
    explicit TQuenAbout(QWidget *parent = nullptr);
};
