// SPDX-License-Identifier: MIT
#include "platform/Widgets.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
// Keys come to the window's filters when no widget inside it took them.
class KeyClicks : public QObject {
public:
    KeyClicks(QWidget *window, std::initializer_list<int> keys, QAbstractButton *button)
        : QObject(window), m_keys(keys), m_button(button) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier ||
            std::find(m_keys.begin(), m_keys.end(), key->key()) == m_keys.end())
            return false;
        m_button->click();
        return true;
    }

private:
    std::vector<int> m_keys;
    QAbstractButton *m_button;
};
} // namespace

QString oneLineText(const std::string &name) {
    QString text = QString::fromStdString(name);
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

void setPixelSize(QWidget *widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

void clickOnWindowKey(QWidget *window, std::initializer_list<int> keys, QAbstractButton *button) {
    new KeyClicks(window, keys, button);
}
