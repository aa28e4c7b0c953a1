// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A project name that would be a heading, or load a picture, as markup.
TEST(Dialogs, BoxesShowNamesAsTyped) {
    const std::string name = "<h2>Big</h2><img src=\"/etc/x\">";
    const std::function<void()> shows[] = {[&] { showMessage("Project " + name, "Time Record"); },
                                           [&] { showException("No " + name); }};
    for (const auto &show : shows) {
        QString shown;
        Qt::TextFormat format = Qt::RichText;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            watch.stop();
            format = box->textFormat();
            // What the user sees is the box's label.
            for (const QLabel *label : box->findChildren<QLabel *>())
                if (label->text().contains("Big"))
                    shown = label->text() + "|" + QString::number(label->textFormat());
            box->accept();
        });
        watch.start(10);
        show();
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_TRUE(shown.endsWith("|" + QString::number(Qt::PlainText))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QString::fromStdString(name))) << shown.toStdString();
    }
}

} // namespace
