// SPDX-License-Identifier: MIT
#include "platform/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Dynamic properties of a status label: its name while it shows only blanks,
// and what it tells.
const char *const BlankName = "chimeralBlankName";
const char *const Description = "chimeralDescription";

// A status label read by its text without the blanks around it, or by what
// it is for while it shows nothing. The name is worked out whenever it is
// asked for, so it follows every change of the text.
class StatusLabelAccessible : public QAccessibleWidget {
public:
    explicit StatusLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto *label = static_cast<const QLabel *>(widget());
        if (kind == QAccessible::Name) {
            const QString shown = label->text().trimmed();
            return shown.isEmpty() ? label->property(BlankName).toString() : shown;
        }
        if (kind == QAccessible::Description)
            return label->property(Description).toString();
        return QAccessibleWidget::text(kind);
    }
};

// Qt reads an editable combo box on Linux by the text it holds, which hides
// what the box is for once something is typed; this one keeps its name and
// gives the text as its value. Otherwise it is what Qt's own interface for a
// combo box is, which cannot be had from outside Qt: the list of items and the
// edit as its two children, and an action that opens or closes the list.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return box()->accessibleName();
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return box()->lineEdit() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        return box()->lineEdit() && child->object() == box()->lineEdit() ? 1 : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override {
        const QLineEdit *edit = box()->lineEdit();
        return edit && edit->rect().contains(edit->mapFromGlobal(QPoint(x, y))) ? child(1)
                                                                                : nullptr;
    }

    // The box hands its focus to the edit, which is where typing goes.
    QAccessibleInterface *focusChild() const override {
        return box()->lineEdit() ? child(1) : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    QString localizedActionDescription(const QString &action) const override {
        return actionNames().contains(action) ? QStringLiteral("Opens or closes the list")
                                              : QString();
    }

    void doAction(const QString &action) override {
        if (!actionNames().contains(action))
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *statusLabelFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("QComboBox") && object->isWidgetType() &&
        !static_cast<QWidget *>(object)->accessibleName().isEmpty())
        return new NamedComboBoxAccessible(static_cast<QComboBox *>(object));
    if (className != QLatin1String("QLabel") || !object->property(BlankName).isValid())
        return nullptr;
    return new StatusLabelAccessible(static_cast<QLabel *>(object));
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(statusLabelFactory);
        return true;
    }();
    (void)installed;
}

// Enter in an entry clicks its button once. The key is taken here: an
// editable combo box would otherwise see it a second time from its edit.
class EnterClicks : public QObject {
public:
    EnterClicks(QWidget *entry, QPushButton *button) : QObject(entry), m_button(button) {
        entry->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_button->click();
        return true;
    }

private:
    QPushButton *m_button;
};
} // namespace

// Setting a label's text already made Qt's own interface for it; dropping
// that one lets the next question get the status label's.
void describeStatus(QLabel *label, const QString &blankName, const QString &description) {
    installFactory();
    label->setProperty(BlankName, blankName);
    label->setProperty(Description, description);
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
        made && !dynamic_cast<StatusLabelAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void describeInput(QWidget *input, const QString &name, const QString &description) {
    installFactory();
    input->setAccessibleName(name);
    input->setAccessibleDescription(description);
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(input);
        made && qobject_cast<QComboBox *>(input) && !dynamic_cast<NamedComboBoxAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void pressOnEnter(QWidget *entry, QPushButton *button) {
    new EnterClicks(entry, button);
    // An editable combo box has the focus itself and hands keys to its edit
    // directly, past the edit's filters.
    if (auto *box = qobject_cast<QComboBox *>(entry); box && box->lineEdit())
        new EnterClicks(box->lineEdit(), button);
}
