// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A project name that would be a heading, or load a picture, as markup: the
// box's label holds it as typed and shows it as plain text.
TEST(Dialogs, BoxesShowNamesAsTyped) {
    const QString name = "<h2>Big</h2><img src=\"/etc/x\">";
    Qt::TextFormat format = Qt::RichText;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        watch.stop();
        for (const QLabel *label : box->findChildren<QLabel *>())
            if (label->text().contains(name))
                format = label->textFormat();
        box->accept();
    });
    watch.start(10);
    showMessage("Project " + name.toStdString(), "Time Record");
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
