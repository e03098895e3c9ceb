// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "platform/geometry.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "shell/about.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    // Where they are and what they say is the layout table's; here, that
    // nothing is cut off and the picture is the program's icon.
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Picture1", "Label1", "Label2", "Label3", "Command1", "Label4"})
            QTest::newRow(name) << QString(name);
    }

    void controls()
    {
        QFETCH(QString, name);
        About& about = platform::form<About>();
        QWidget* control = about.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY(control);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        } else if (!qobject_cast<QPushButton*>(control)) {
            auto* box = qobject_cast<platform::PictureBox*>(control);
            QVERIFY(box);
            QCOMPARE(box->shownPicture().toImage(),
                     platform::windowPicture(platform::WindowPicture::Icon).toImage());
        }
    }

    // A small fixed box without a control box: only its OK button puts it away.
    void window()
    {
        About& about = platform::form<About>();
        about.show();
        QCOMPARE(about.windowTitle(), QString("About Veltrano"));
        const QSize client = uitest::pixels(QRect(0, 0, 4530, 2115)).size();
        QCOMPARE(about.size(), client);
        QCOMPARE(about.minimumSize(), client);
        QCOMPARE(about.maximumSize(), client);
        const Qt::WindowFlags boxes = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(about.windowFlags() & boxes, Qt::WindowFlags());
        QVERIFY(about.windowFlags() & Qt::WindowTitleHint);
    }

    // Centred once, when first shown; after that it comes back where the user
    // left it, and it is the same window.
    void okHidesAndInfoShowsItWhereItWasLeft()
    {
        MainMenu& menu = uitest::shownMenu();
        menu.AideCmd->click();
        About* about = platform::existingForm<About>();
        QVERIFY(about && about->isVisible());
        const QRect screen = about->screen()->geometry();
        QVERIFY(qAbs(about->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(about->frameGeometry().center().y() - screen.center().y()) <= 1);

        about->move(37, 51);
        about->Command1->click();
        QVERIFY(!about->isVisible());
        QCOMPARE(platform::existingForm<About>(), about);
        QVERIFY(menu.isVisible());

        menu.AideCmd->click();
        QCOMPARE(platform::existingForm<About>(), about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), QPoint(37, 51));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
