// SPDX-License-Identifier: MIT
#include "windows/TQuenAbout.h"

#include "app/AppWindows.h"
#include "app/TMainForm.h"
#include "platform/ProgramIcon.h"
#include "support/MainFormFixture.h"
#include "ui_TQuenAbout.h"

#include <QImage>

#include <gtest/gtest.h>

using AboutBox = MainFormTest;

TEST_F(AboutBox, MenuCommandFillsTheLabels) {
    AppWindows windows;
    TQuenAbout &about = *windows.quenAbout;
    EXPECT_EQ(about.ui->CopyWLabel->text(), "CopyWLabel");
    EXPECT_EQ(about.ui->VerLabel->text(), "Version");
    EXPECT_EQ(about.ui->DescrLabel->text(), "This program does something.");

    windows.mainForm->findChild<QAction *>("About1")->trigger();
    ASSERT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), "About this program ...");
    EXPECT_EQ(about.ui->DescrLabel->text(),
              "This program functions as a timer, stop, alarm clock and project work timer. It "
              "was designed for Quen's personal use and if you can utilize it all the better.");
    EXPECT_EQ(about.ui->DescrLabel->font().pointSize(), 12);
    EXPECT_EQ(about.ui->CopyWLabel->text(), "Copyright (c) 2006-2017 Quen");
    // The whole line is readable, wrapped below the years where it must be.
    QLabel *years = about.ui->CopyWLabel;
    EXPECT_EQ(years->width(), 169);
    EXPECT_GE(years->height(), years->heightForWidth(169));
    EXPECT_LE(years->y() + years->height(), about.ui->VerLabel->y());
    EXPECT_EQ(about.ui->VerLabel->text(), "Version: 4.0");
    EXPECT_TRUE(about.ui->Label1->text().isEmpty());
    EXPECT_TRUE(about.ui->Label2->text().isEmpty());

    about.ui->Button1->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutBox, LabelsAreBuiltOnlyWhenTheBoxAppears) {
    TQuenAbout about;
    about.SetYears(2010, 2012);
    about.SetVersion("2.5");
    about.show();
    EXPECT_EQ(about.ui->CopyWLabel->text(), "Copyright (c) 2010-2012 Quen");
    EXPECT_EQ(about.ui->VerLabel->text(), "Version: 2.5");

    about.SetYears(2001, 2002);
    about.SetVersion("3.0");
    about.show();
    EXPECT_EQ(about.ui->CopyWLabel->text(), "Copyright (c) 2010-2012 Quen");
    about.hide();
    about.show();
    EXPECT_EQ(about.ui->CopyWLabel->text(), "Copyright (c) 2001-2002 Quen");
    EXPECT_EQ(about.ui->VerLabel->text(), "Version: 3.0");
}

TEST_F(AboutBox, ResizingSnapsBackToTheContent) {
    TQuenAbout about;
    about.show();
    QCoreApplication::processEvents();
    const QSize content(160 + 233 + 30, 232 + 25 + 45);
    EXPECT_EQ(about.frameGeometry().size(), content);
    for (const QSize size : {QSize(700, 500), QSize(200, 100)}) {
        about.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(about.frameGeometry().size(), content);
    }
}

TEST_F(AboutBox, PictureIsTheClockFace) {
    TQuenAbout about;
    about.show();
    const QPixmap shown = about.ui->Image1->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(156, 156));
    const QImage image = shown.toImage();
    // Transparent outside the round face, opaque at its centre.
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(78, 78)), 255);
    // The window icon's sizes are the same face, baked in as ready pixels.
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.availableSizes().isEmpty());
    for (const QSize &size : icon.availableSizes()) {
        const QImage small = icon.pixmap(size).toImage();
        EXPECT_EQ(small.size(), size);
        EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(small.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}
