// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_support.h"
#include "ui_support.h"

#include "platform/colours.h"

#include <QtTest>

using uitest::ControlLooks;
using uitest::kNotGiven;

namespace {

const QString kSans = "MS Sans Serif 8.25";
const QString kSansBold = kSans + " bold";
const QString kSansBoldItalic = kSansBold + " italic";
const QString kSansPrint = "MS Sans Serif 9.75 bold";
const QString kHeading = "Times New Roman 12 bold";
const QString kReportName = "Times New Roman 9.75 bold";
const QString kDescription = "Times New Roman 9.75";
const QString kNone;

void row(const char* window, const ControlLooks& looks)
{
    QTest::addRow("%s %s", window, qPrintable(looks.control)) << QString(window) << looks;
}

void startUpAndMenu()
{
    using namespace platform;
    for (int i : {0, 1, 2}) {
        row("OmvelisForm", {QStringLiteral("Picture1(%1)").arg(i),
                            kNone,
                            {1000 + 1200 * i, 1440, 1130, 2000},
                            0x00C0FFC0,
                            kNotGiven,
                            {},
                            false});
    }
    row("OmvelisForm", {"Picture1(4)", kNone, {600, 0, 6135, 1455}, kBlack, kNotGiven, {}, false});
    row("OmvelisForm", {"EnterButton",
                        "Enter",
                        {5400, 2040, 1215, 855},
                        kNotGiven,
                        kNotGiven,
                        "Times New Roman 15.75 bold",
                        false});
    row("OmvelisForm", {"OmvelisFormLabel1",
                        kNone,
                        {240, 4080, 6735, 1095},
                        kBlack,
                        kYellow,
                        "Times New Roman 11.25 bold",
                        false});
    row("OmvelisForm", {"PanicButton", kNone, {6720, 5160, 135, 135}, kRed, kNotGiven, {}, false});

    row("MainMenu", {"Picture1", kNone, {960, 120, 6855, 1335}, kBlack, kNotGiven, {}, false});
    row("MainMenu", {"PanicButton", kNone, {7200, 6480, 135, 135}, kRed, kNotGiven, {}, false});
    const auto button = [](const char* name, const char* caption, QRect twips, const QString& font) {
        row("MainMenu", {name, caption, twips, kNotGiven, kNotGiven, font, false});
    };
    button("LectureCmd", "Readings", {1200, 1560, 1695, 2535}, kSansBold);
    button("HistoireCmd", "History of Tarot", {3000, 1560, 1695, 2535}, kSansBold);
    button("CartesCmd", "The Cards", {4800, 1560, 1695, 2535}, kSansBold);
    button("Lecture1Cmd", "One Card Reading", {1200, 4200, 1695, 2535}, kSans);
    button("Lecture3Cmd", "Three Card Reading", {3000, 4200, 1695, 2535}, kSans);
    button("CC_Cmd", "Celtic Cross Reading", {4800, 4200, 1695, 2535}, kSans);
    button("AideCmd", "Info", {6600, 4920, 855, 855}, kSansBold);
    button("SortirCmd", "Exit", {240, 4920, 855, 855}, kSansBold);

    row("About", {"Picture1", kNone, {240, 240, 520, 520}, kNotGiven, kNotGiven, {}, false});
    row("About", {"Label1", "Veltrano  Version 1.0", {960, 240, 3495, 255}, kNotGiven, kNotGiven, {}, false});
    row("About", {"Label2",
                  "For Windows 95/98 and Windows NT",
                  {960, 480, 3615, 375},
                  kNotGiven,
                  kNotGiven,
                  {},
                  false});
    row("About",
        {"Label3", "Made by the Veltrano team", {960, 960, 3495, 375}, kNotGiven, kNotGiven, {}, false});
    row("About", {"Command1", "OK", {2160, 1560, 615, 375}, kNotGiven, kNotGiven, {}, false});
    row("About",
        {"Label4", "https://veltrano.example.org", {960, 1200, 3495, 255}, kNotGiven, kNotGiven, {}, false});
}

void identifierWindow()
{
    using namespace platform;
    const QString times = "Times New Roman 8.25 bold";
    row("Significateur", {"SignPic", kNone, {840, 120, 1170, 2055}, kNotGiven, kNotGiven, {}, false});
    row("Significateur", {"BackCom", "Back", {2160, 480, 975, 615}, kNotGiven, kNotGiven, times, false});
    row("Significateur",
        {"ForwardCom", "Next Card", {2160, 1200, 975, 615}, kNotGiven, kNotGiven, times, false});
    row("Significateur", {"Text1", kNone, {240, 2760, 6135, 2175}, kBlack, kWhite, kHeading, false});
    row("Significateur", {"ChooseCom",
                          "Click here to choose the Identifier on the left.......",
                          {3480, 600, 2895, 1095},
                          kNotGiven,
                          kNotGiven,
                          kHeading,
                          false});
    row("Significateur", {"SignNameLabel", "", {0, 2280, 2895, 375}, kBlack, kWhite, kHeading, true});
    row("Significateur", {"PanicButton", kNone, {6360, 5040, 135, 135}, kRed, kNotGiven, {}, false});
}

void smallSpreads()
{
    using namespace platform;
    for (const char* window : {"OneCard", "ThreeCards"}) {
        row(window,
            {"Picture1(3)", kNone, {360, 480, 1170, 2055}, kWindowBackground, kWindowText, {}, false});
        row(window, {"Label2", "Identifier", {360, 120, 1215, 375}, kBlack, kRed, kSansBoldItalic, true});
        row(window, {"SignLabel", "The Tower", {360, 2520, 2655, 375}, kBlack, kRed, kSans, false});
    }
    row("OneCard",
        {"Picture1(0)", kNone, {4080, 480, 1170, 2055}, kWindowBackground, kWindowText, {}, false});
    row("OneCard", {"PanicButton", kNone, {5280, 120, 135, 135}, kRed, kNotGiven, {}, false});
    row("OneCard", {"OneCardLabel(0)", "Label1", {4080, 2520, 1170, 375}, kBlack, kRed, kSans, false});
    const char* const captions[] = {"Pick Your Cards", "Main Menu", "Reading Report"};
    for (int i = 0; i < 3; ++i) {
        const QString command = QStringLiteral("Command%1").arg(i + 1);
        row("OneCard",
            {command, captions[i], {1800, 600 * (i + 1), 2055, 615}, kNotGiven, kNotGiven, kSansBold, false});
        row("ThreeCards",
            {command, captions[i], {2040, 600 * (i + 1), 2055, 615}, kNotGiven, kNotGiven, kSansBold, false});
    }

    for (int i = 0; i < 3; ++i) {
        const int left = 360 + i * (1170 + 150);
        row("ThreeCards", {QStringLiteral("Picture1(%1)").arg(i),
                           kNone,
                           {left, 3000, 1170, 2055},
                           kWindowBackground,
                           kWindowText,
                           {},
                           false});
        row("ThreeCards", {QStringLiteral("Label1(%1)").arg(i),
                           "Label1",
                           {left, 5160, 1170, 375},
                           kBlack,
                           kRed,
                           kSans,
                           false});
    }
    row("ThreeCards", {"PanicButton", kNone, {4440, 5280, 135, 135}, kRed, kNotGiven, {}, false});
}

void celticCross()
{
    using namespace platform;
    // Position, slot's left and top, name's left and top.
    const int places[10][4] = {{1680, 2160, 5400, 600}, {2400, 2160, 5400, 960},  {2040, 4320, 5400, 1440},
                               {360, 2160, 4080, 720},  {2040, 0, 5400, 120},     {3720, 2160, 6720, 720},
                               {7920, 0, 9240, 720},    {7920, 2040, 9240, 2880}, {7920, 4080, 9240, 4800},
                               {7920, 6120, 9240, 6960}};
    for (int i = 0; i < 10; ++i) {
        const int* at = places[i];
        row("CelticCross", {QStringLiteral("Picture1(%1)").arg(i),
                            kNone,
                            {at[0], at[1], 1170, 2055},
                            kWindowBackground,
                            kWindowText,
                            {},
                            false});
        row("CelticCross", {QStringLiteral("Label1(%1)").arg(i),
                            "Label1",
                            {at[2], at[3], 1215, 375},
                            kBlack,
                            kDarkRed,
                            kSans,
                            false});
    }
    row("CelticCross", {"PanicButton", kNone, {10200, 7680, 135, 135}, kRed, kNotGiven, {}, false});
    row("CelticCross", {"CCSignPicture", kNone, {4080, 6000, 1170, 2055}, kNotGiven, kNotGiven, {}, false});
    row("CelticCross", {"SignLabel", "The Tower", {4080, 5520, 1215, 375}, kBlack, kRed, kSans, false});
    row("CelticCross",
        {"SignLabel2", "Identifier", {4080, 5160, 1215, 375}, kBlack, kRed, kSansBoldItalic, true});
    const char* const captions[] = {"Pick Your Cards", "Main Menu", "Reading Report"};
    for (int i = 0; i < 3; ++i) {
        row("CelticCross", {QStringLiteral("Command%1").arg(i + 1),
                            captions[i],
                            {5520, 6120 + 600 * i, 2055, 615},
                            kNotGiven,
                            kNotGiven,
                            kSansBold,
                            false});
    }
}

void smallReports()
{
    using namespace platform;
    const QString filled;
    row("OCRapport",
        {"Label4", "Identifier", {240, 120, 2295, 375}, kButtonFace, kButtonText, kHeading, true});
    row("OCRapport", {"SignLabel", filled, {240, 600, 2295, 375}, kBlack, kWhite, kReportName, true});
    row("OCRapport", {"SignDescriptionLabel",
                      filled,
                      {240, 1080, 2295, 3930},
                      kButtonFace,
                      kButtonText,
                      kDescription,
                      false});
    row("OCRapport",
        {"Label1", "One Card", {2760, 120, 2295, 375}, kButtonFace, kButtonText, kHeading, true});
    row("OCRapport", {"Label2", filled, {2760, 600, 2295, 375}, kBlack, kWhite, kReportName, true});
    row("OCRapport",
        {"OCLabel", filled, {2760, 1080, 2295, 3930}, kButtonFace, kButtonText, kDescription, false});
    row("OCRapport",
        {"Command1", "Print Report", {1320, 5160, 2655, 375}, kNotGiven, kNotGiven, kSansPrint, false});

    // Left to right: positions 0, 1, 2, then the Identifier.
    struct Column {
        const char* heading;
        const char* title;
        int left;
        QString name;
        QString description;
    };
    const Column columns[] = {
        {"Label1", "Present Situation", 120, "CardNameLabel(0)", "DescriptionLabel(0)"},
        {"Label2", "The Past", 2640, "CardNameLabel(1)", "DescriptionLabel(1)"},
        {"Label3", "The Future", 5160, "CardNameLabel(2)", "DescriptionLabel(2)"},
        {"Label4", "Identifier", 7680, "SignLabel", "SignDescriptionLabel"},
    };
    for (const Column& column : columns) {
        row("TCRapport", {column.heading,
                          column.title,
                          {column.left, 120, 2295, 375},
                          kButtonFace,
                          kButtonText,
                          kHeading,
                          true});
        row("TCRapport",
            {column.name, filled, {column.left, 600, 2295, 375}, kBlack, kWhite, kReportName, true});
        row("TCRapport", {column.description,
                          filled,
                          {column.left, 1080, 2295, 4135},
                          kButtonFace,
                          kButtonText,
                          kDescription,
                          false});
    }
    row("TCRapport",
        {"Command1", "Print Report", {1920, 5640, 6135, 375}, kNotGiven, kNotGiven, kSansPrint, false});
}

void celticReport()
{
    using namespace platform;
    const QString filled;
    row("CCRapport", {"SSPanel1", kNone, {0, 120, 5295, 5535}, kGrey, kNotGiven, {}, false});
    row("CCRapport", {"Label14", "Highlighted Card", {5640, 0, 1170, 495}, kBlack, kWhite, kSansBold, true});
    row("CCRapport", {"Label13", "Identifier Card", {7680, 0, 1170, 495}, kBlack, kWhite, kSansBold, true});
    row("CCRapport", {"Picture2", kNone, {5640, 480, 1170, 2055}, kNotGiven, kNotGiven, {}, false});
    row("CCRapport", {"UpCom", "", {6960, 600, 615, 615}, kNotGiven, kNotGiven, {}, false});
    row("CCRapport", {"DownCom", "", {6960, 1320, 615, 615}, kNotGiven, kNotGiven, {}, false});
    row("CCRapport", {"Picture1", kNone, {7680, 480, 1170, 2055}, kNotGiven, kNotGiven, {}, false});
    row("CCRapport", {"CardNameLabel", filled, {5640, 2520, 1170, 375}, kNotGiven, kNotGiven, kSans, false});
    row("CCRapport", {"SignLabel", filled, {7680, 2520, 1215, 375}, kNotGiven, kNotGiven, kSans, false});
    row("CCRapport", {"Text1", kNone, {5640, 2880, 3255, 2775}, kNotGiven, kNotGiven, kSans, false});
    row("CCRapport", {"PrintCommand1",
                      "Print Full Report",
                      {1320, 5760, 6495, 495},
                      kNotGiven,
                      kNotGiven,
                      kSansPrint,
                      false});

    // Inside the panel. The diagram's number boxes and the titles change
    // colour with the highlighted position, so their colours are left out.
    row("CCRapport", {"Label11", "Card Placement", {600, 120, 2055, 255}, kBlack, kWhite, kSansBold, true});
    const QRect boxes[10] = {{960, 2280, 495, 855},  {840, 2520, 855, 495},  {960, 3360, 495, 855},
                             {120, 2280, 495, 855},  {960, 1200, 495, 855},  {1800, 2280, 495, 855},
                             {2520, 3720, 495, 855}, {2520, 2760, 495, 855}, {2520, 1800, 495, 855},
                             {2520, 840, 495, 855}};
    const char* const titles[10] = {"1 - Main Reason",    "2 -Offsetting Card",
                                    "3 - Past Occurence", "4 - Present Situation",
                                    "5 - Direction",      "6 - Immediate Possibilities",
                                    "7 - Common Purpose", "8 - Atmosphere",
                                    "9 - Expectations",   "10 - Final Result"};
    const int titleTops[10] = {720, 1080, 1440, 1800, 2160, 2520, 3360, 3720, 4080, 4440};
    for (int i = 0; i < 10; ++i) {
        const QString number = QString::number(i + 1);
        row("CCRapport",
            {"Label" + number, number, boxes[i], kNotGiven, i == 3 ? kBlack : kNotGiven, kSans, true});
        row("CCRapport",
            {"Rep" + number, titles[i], {3240, titleTops[i], 1935, 375}, kNotGiven, kNotGiven, kSans, false});
    }
    row("CCRapport", {"RepresentationLabel",
                      "Significance of the Cards",
                      {3240, 120, 1935, 495},
                      kBlack,
                      kWhite,
                      kSansBold,
                      true});
    row("CCRapport",
        {"Label12", "  **********", {3240, 2880, 1935, 495}, kBlack, kWhite, "MS Sans Serif 18", false});
}

void printPages()
{
    using namespace platform;
    const QString filled;
    const QString name = "Times New Roman 11.25 bold";
    const int labelTops[2][5] = {{0, 1800, 3600, 5400, 7200}, {0, 1800, 3720, 5640, 7560}};
    const int textTops[2][5] = {{360, 2160, 3960, 5760, 7560}, {360, 2280, 4200, 6120, 7920}};
    const char* const pages[2] = {"CCPrintAll", "CCPrintAll2"};
    const QString pageFonts[2] = {"Times New Roman 9.75", "Times New Roman 8.25"};
    for (int page = 0; page < 2; ++page) {
        for (int slot = 0; slot < 5; ++slot) {
            row(pages[page], {QStringLiteral("Label1(%1)").arg(slot),
                              filled,
                              {120, labelTops[page][slot], 3255, 375},
                              kNotGiven,
                              kNotGiven,
                              name,
                              false});
            row(pages[page], {QStringLiteral("Text1(%1)").arg(slot),
                              filled,
                              {120, textTops[page][slot], 10815, 1215},
                              kNotGiven,
                              kNotGiven,
                              pageFonts[page],
                              false});
        }
    }
    const QString title = "Times New Roman 18 bold";
    const QString pageFont = "Times New Roman 8.25";
    row("CCPrintAll3", {"Title1Label", "Veltrano", {0, 120, 2775, 495}, kWhite, kNotGiven, title, true});
    row("CCPrintAll3", {"Title2Label",
                        "Reading Report  - Celtic Cross",
                        {5280, 120, 5655, 495},
                        kWhite,
                        kNotGiven,
                        title,
                        true});
    row("CCPrintAll3",
        {"SignLabel2", "Identifier", {5040, 1920, 1215, 375}, kWhite, kBlack, kSansBoldItalic, true});
    row("CCPrintAll3", {"CCSignPicture", kNone, {5040, 2280, 1170, 2055}, kNotGiven, kNotGiven, {}, false});
    row("CCPrintAll3", {"SignLabel", filled, {5040, 4320, 1215, 375}, kWhite, kBlack, pageFont, false});
    row("CCPrintAll3", {"Text1", kNone, {3120, 4920, 5055, 2295}, kNotGiven, kNotGiven, pageFont, false});
}

} // namespace

// Every window's controls where the layout puts them, with their texts,
// colours, fonts and alignment, and the order the Tab key visits them in.
class TestWindowLayouts : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::startAtMainMenu(); }

    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<ControlLooks>("looks");
        startUpAndMenu();
        identifierWindow();
        smallSpreads();
        celticCross();
        smallReports();
        celticReport();
        printPages();
    }

    void controls()
    {
        QFETCH(QString, window);
        QFETCH(ControlLooks, looks);
        QWidget* shown = uitest::window(window);
        QVERIFY(shown);
        shown->show();
        const QString difference = uitest::lookDifference(shown, looks);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        const auto row = [](const char* window, const QStringList& order) {
            QTest::newRow(window) << QString(window) << order;
        };
        row("MainMenu", {"Picture1", "PanicButton", "LectureCmd", "HistoireCmd", "CartesCmd", "Lecture1Cmd",
                         "Lecture3Cmd", "CC_Cmd", "AideCmd", "SortirCmd"});
        row("Significateur", {"SignPic", "BackCom", "ForwardCom", "Text1", "ChooseCom", "PanicButton"});
        row("OneCard", {"Picture1(3)", "Picture1(0)", "PanicButton", "Command3", "Command2", "Command1"});
        row("ThreeCards", {"Picture1(0)", "Picture1(1)", "Picture1(2)", "Picture1(3)", "PanicButton",
                           "Command3", "Command2", "Command1"});
        QStringList celtic;
        for (int i = 0; i < 10; ++i)
            celtic << QStringLiteral("Picture1(%1)").arg(i);
        row("CelticCross", celtic << "PanicButton"
                                  << "CCSignPicture"
                                  << "Command1"
                                  << "Command2"
                                  << "Command3");
        row("OCRapport", {"Command1"});
        row("TCRapport", {"Command1"});
        row("About", {"Picture1", "Command1"});
        row("LectureDesc", {"RichTextBox1"});
        row("HistoireDesc", {"RichTextBox1"});
        row("CartesDesc", {"RichTextBox1", "Picture1"});
    }

    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget* shown = uitest::window(window);
        QVERIFY(shown);
        shown->show();
        QCOMPARE(uitest::focusChain(shown), order);
    }
};

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
