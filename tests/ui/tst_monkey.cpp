// SPDX-License-Identifier: GPL-3.0-or-later
// Random use of the whole program: tens of thousands of random actions from a
// seed, each followed by a check of every rule the program always keeps.
//
//   tst_monkey [--seed N] [--actions N]
//
// or VELTRANO_MONKEY_SEED and VELTRANO_MONKEY_ACTIONS in the environment. The
// seed is printed first; a failure prints it again with the way to replay it.

#include "monkey.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <cstdio>
#include <optional>

namespace {

std::optional<std::uint64_t> seedOption;
std::optional<int> actionsOption;

constexpr int kDefaultActions = 20000;

// Every window the user can reach; the print pages never show.
const char* const kEveryWindow[] = {"OmvelisForm", "Significateur", "MainMenu",  "OneCard",   "ThreeCards",
                                    "CelticCross", "OCRapport",     "TCRapport", "CCRapport", "About",
                                    "LectureDesc", "HistoireDesc",  "CartesDesc"};

std::uint64_t seed()
{
    if (seedOption)
        return *seedOption;
    bool ok = false;
    const std::uint64_t fromEnvironment = qEnvironmentVariable("VELTRANO_MONKEY_SEED").toULongLong(&ok);
    return ok ? fromEnvironment : QRandomGenerator::system()->generate64() % 1000000000000ULL;
}

int actionCount()
{
    if (actionsOption)
        return *actionsOption;
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("VELTRANO_MONKEY_ACTIONS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : kDefaultActions;
}

// The offscreen platform says, each time, that it cannot raise a window or
// pass on size hints; a long run would drown everything else in it.
QtMessageHandler passOn = nullptr;

void quieter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, message);
}

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomUse()
    {
        const std::uint64_t seed = ::seed();
        const int actions = actionCount();
        say(QString("monkey: seed %1, %2 actions").arg(seed).arg(actions));

        passOn = qInstallMessageHandler(quieter);
        const auto restore = qScopeGuard([] { qInstallMessageHandler(passOn); });
        QElapsedTimer clock;
        clock.start();
        monkey::Monkey monkey(seed);
        monkey.startProgram();
        for (int i = 0; i < actions; ++i) {
            if (monkey.step())
                continue;
            say(QString("monkey: seed %1 broke a rule at action %2:").arg(seed).arg(i));
            for (const QString& failure : monkey.failures())
                say("  " + failure);
            say("monkey: the last actions, oldest first:");
            for (const QString& line : monkey.trace())
                say("  " + line);
            say(QString("monkey: replay with VELTRANO_MONKEY_SEED=%1 VELTRANO_MONKEY_ACTIONS=%2")
                    .arg(seed)
                    .arg(i + 1));
            QFAIL(qPrintable(
                QString("seed %1, action %2: %3").arg(seed).arg(i).arg(monkey.failures().first())));
        }

        const monkey::Figures& figures = monkey.figures();
        say(QString("monkey: seed %1 clean: %2 actions in %3 s, %4 rule checks")
                .arg(seed)
                .arg(figures.actions)
                .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                .arg(monkey.checks()));
        QStringList visits;
        for (const auto& [window, count] : figures.visits)
            visits << QString("%1 %2").arg(window).arg(count);
        say("monkey: windows visited (actions): " + visits.join(", "));
        QStringList questions;
        for (const auto& [title, count] : figures.questions)
            questions << QString("%1 %2").arg(title).arg(count);
        say(QString("monkey: %1 deals, %2 pages printed, %3 print failures, %4 closes (close box or window "
                    "manager), %5 program ends and "
                    "restarts; questions answered: %6")
                .arg(figures.deals)
                .arg(figures.pagesPrinted)
                .arg(figures.printFailures)
                .arg(figures.closes)
                .arg(figures.restarts)
                .arg(questions.join(", ")));
        // A run of the full length reaches all of the program; a short one,
        // such as the run under valgrind, may miss a rarely reached part.
        if (actions >= kDefaultActions)
            verifyReach(figures);
    }

private:
    // A run that never reached a window or never dealt a spread has tested
    // nothing of it, however clean it ended.
    static void verifyReach(const monkey::Figures& figures)
    {
        for (const char* window : kEveryWindow)
            QVERIFY2(figures.visits.count(window) > 0, qPrintable(QString("never on %1").arg(window)));
        for (const char* spread : {"OneCard", "ThreeCards", "CelticCross"})
            QVERIFY2(figures.dealsBy.count(spread) > 0, qPrintable(QString("no deal by %1").arg(spread)));
    }
};

int main(int argc, char* argv[])
{
    // Our own options go before QtTest sees the rest.
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const QByteArray option = argv[i];
        if ((option == "--seed" || option == "--actions") && i + 1 < argc) {
            const QByteArray value = argv[++i];
            if (option == "--seed")
                seedOption = value.toULongLong();
            else
                actionsOption = value.toInt();
            continue;
        }
        rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    QApplication app(restCount, rest.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "tst_monkey.moc"
