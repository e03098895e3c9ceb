// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/centering.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/registry.h"

#include <QScreen>
#include <QtTest>

namespace {

// A window that counts what happens to it.
class Probe : public platform::Form {
public:
    Probe()
        : Form("Probe", platform::Frame::Titled, QSize(3000, 1500))
    {
        ++made;
    }
    void Form_Load() override
    {
        ++loads;
        centre();
    }
    void Form_Activate() override { ++activations; }

    int loads = 0;
    int activations = 0;
    static inline int made = 0;
};

// A window far larger than any screen here.
class Giant : public platform::Form {
public:
    Giant()
        : Form("Giant", platform::Frame::NoTitleBar, QSize(60000, 45000))
    {
    }
    void Form_Load() override { centre(); }
};

} // namespace

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::destroyAllForms();
        Probe::made = 0;
    }

    void madeOnceLoadedOnce()
    {
        Probe& first = platform::form<Probe>();
        Probe& again = platform::form<Probe>();
        QCOMPARE(&first, &again);
        QCOMPARE(Probe::made, 1);
        QCOMPARE(first.loads, 1);
        QCOMPARE(first.objectName(), QString("Probe"));
    }

    void existingFormDoesNotMake()
    {
        QVERIFY(!platform::existingForm<Probe>());
        Probe& made = platform::form<Probe>();
        QCOMPARE(platform::existingForm<Probe>(), &made);
        QCOMPARE(Probe::made, 1);
    }

    void hideKeepsTheWindow()
    {
        Probe& window = platform::form<Probe>();
        window.show();
        window.move(10, 20);
        window.hide();
        Probe& again = platform::form<Probe>();
        QCOMPARE(&again, &window);
        QCOMPARE(again.loads, 1);
        again.show();
        QCOMPARE(again.pos(), QPoint(10, 20));
    }

    void closeBoxDestroysAndTheNextUseLoadsAnew()
    {
        QPointer<Probe> first = &platform::form<Probe>();
        first->show();
        first->move(5, 5);
        QVERIFY(first->close());
        // The next use makes a new window at once, even before the old one
        // is deleted.
        Probe& second = platform::form<Probe>();
        QVERIFY(&second != first.data());
        QCOMPARE(second.loads, 1);
        QCOMPARE(Probe::made, 2);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(platform::existingForm<Probe>(), &second);
        QVERIFY(second.pos() != QPoint(5, 5));
    }

    void activationFollowsTheFirstShow()
    {
        Probe& window = platform::form<Probe>();
        QCOMPARE(window.activations, 0);
        window.show();
        QTRY_VERIFY(window.activations >= 1);
    }

    void centredOffset_data()
    {
        QTest::addColumn<float>("screen");
        QTest::addColumn<float>("window");
        QTest::addColumn<float>("offset");
        QTest::newRow("even difference") << 24000.0f << 7110.0f << 8445.0f;
        QTest::newRow("odd difference keeps half a twip") << 24000.0f << 7111.0f << 8444.5f;
        QTest::newRow("window as large as the screen") << 12000.0f << 12000.0f << 0.0f;
        QTest::newRow("window larger than the screen") << 12000.0f << 15001.0f << -1500.5f;
    }

    void centredOffset()
    {
        QFETCH(float, screen);
        QFETCH(float, window);
        QFETCH(float, offset);
        QCOMPARE(platform::centredOffset(screen, window), offset);
    }

    void windowIsCentredOnTheWholeScreen()
    {
        Probe& window = platform::form<Probe>();
        const QRect screen = window.screen()->geometry();
        const QRect outer = window.frameGeometry();
        QVERIFY(qAbs(outer.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(outer.center().y() - screen.center().y()) <= 1);
    }

    void largerThanTheScreenIsNotClamped()
    {
        Giant& window = platform::form<Giant>();
        const QRect screen = window.screen()->geometry();
        QVERIFY(window.frameGeometry().width() > screen.width());
        QVERIFY(window.frameGeometry().x() < 0);
        QVERIFY(window.frameGeometry().y() < 0);
        const int expectedLeft = platform::twipsToPixels(
            platform::centredOffset(float(screen.width() * 15), float(window.frameGeometry().width() * 15)));
        QCOMPARE(window.frameGeometry().x(), expectedLeft);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
