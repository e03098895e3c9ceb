// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowing_system.h"

#include <QtTest>

class TestWindowingSystem : public QObject {
    Q_OBJECT

private slots:
    void preferredPlatform_data()
    {
        QTest::addColumn<QByteArray>("qpaPlatform");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<QByteArray>("chosen");

        QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray("x11")
                                     << false << QByteArray();
        QTest::newRow("Wayland with XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                               << QByteArray("wayland") << false << QByteArray("xcb;wayland");
        QTest::newRow("Wayland display without session type")
            << QByteArray() << QByteArray("wayland-1") << QByteArray(":1") << QByteArray() << false
            << QByteArray("xcb;wayland");
        QTest::newRow("Wayland session type, default socket")
            << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray("wayland") << false
            << QByteArray("xcb;wayland");
        QTest::newRow("Wayland only") << QByteArray() << QByteArray("wayland-0") << QByteArray()
                                      << QByteArray("wayland") << false << QByteArray("wayland");
        QTest::newRow("user chose wayland")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland")
            << false << QByteArray();
        QTest::newRow("user chose offscreen") << QByteArray("offscreen") << QByteArray("wayland-0")
                                              << QByteArray() << QByteArray() << false << QByteArray();
        QTest::newRow("-platform on the command line")
            << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland") << true
            << QByteArray();
        QTest::newRow("no display at all")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << false << QByteArray();
        QTest::newRow("tty session with X display")
            << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray("tty") << false << QByteArray();
    }

    void preferredPlatform()
    {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, sessionType);
        QFETCH(bool, argument);
        QFETCH(QByteArray, chosen);
        QCOMPARE(platform::preferredPlatform({qpaPlatform, waylandDisplay, display, sessionType, argument}),
                 chosen);
    }

    void platformArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("found");
        QTest::newRow("none") << QStringList{"veltrano"} << false;
        QTest::newRow("-platform") << QStringList{"veltrano", "-platform", "wayland"} << true;
        QTest::newRow("--platform") << QStringList{"veltrano", "--platform", "xcb"} << true;
        QTest::newRow("program name only looks alike") << QStringList{"-platform"} << false;
        QTest::newRow("a value, not the option") << QStringList{"veltrano", "-style", "platform"} << false;
    }

    void platformArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, found);
        std::vector<QByteArray> held;
        std::vector<const char*> argv;
        for (const QString& argument : arguments)
            held.push_back(argument.toLocal8Bit());
        for (const QByteArray& argument : held)
            argv.push_back(argument.constData());
        QCOMPARE(platform::currentSession(int(argv.size()), argv.data()).platformArgument, found);
    }
};

QTEST_GUILESS_MAIN(TestWindowingSystem)
#include "tst_windowing_system.moc"
