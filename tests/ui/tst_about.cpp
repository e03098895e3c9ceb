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

namespace {

QRect pixels(const QRect& twips)
{
    return platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

MainMenu& shownMenu()
{
    MainMenu& menu = platform::form<MainMenu>();
    menu.show();
    return menu;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Picture1") << "Picture1" << QString() << QRect(240, 240, 520, 520);
        QTest::newRow("Label1") << "Label1"
                                << "Veltrano  Version 1.0" << QRect(960, 240, 3495, 255);
        QTest::newRow("Label2") << "Label2"
                                << "For Windows 95/98 and Windows NT" << QRect(960, 480, 3615, 375);
        QTest::newRow("Label3") << "Label3"
                                << "Made by the Veltrano team" << QRect(960, 960, 3495, 375);
        QTest::newRow("Command1") << "Command1"
                                  << "OK" << QRect(2160, 1560, 615, 375);
        QTest::newRow("Label4") << "Label4"
                                << "https://veltrano.example.org" << QRect(960, 1200, 3495, 255);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        About& about = platform::form<About>();
        QWidget* control = about.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY(control);
        QCOMPARE(control->geometry(), pixels(twips));
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            // Nothing is cut off: the text fits the label's width.
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
        } else {
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
        const QSize client = pixels(QRect(0, 0, 4530, 2115)).size();
        QCOMPARE(about.size(), client);
        QCOMPARE(about.minimumSize(), client);
        QCOMPARE(about.maximumSize(), client);
        const Qt::WindowFlags boxes = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(about.windowFlags() & boxes, Qt::WindowFlags());
        QVERIFY(about.windowFlags() & Qt::WindowTitleHint);
        QCOMPARE(uitest::focusChain(&about), (QStringList{"Picture1", "Command1"}));
    }

    // Centred once, when first shown; after that it comes back where the user
    // left it, and it is the same window.
    void okHidesAndInfoShowsItWhereItWasLeft()
    {
        MainMenu& menu = shownMenu();
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
