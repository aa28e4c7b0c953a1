// SPDX-License-Identifier: MIT
#include "platform/Accessibility.h"

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
// gives the text as its value.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto *box = static_cast<const QComboBox *>(widget());
        if (kind == QAccessible::Name)
            return box->accessibleName();
        if (kind == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(kind);
    }
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
