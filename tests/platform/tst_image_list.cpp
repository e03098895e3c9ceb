// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "platform/image_list.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtTest>

using platform::WindowPicture;

namespace {

struct SizeRow {
    int imageNumber;
    int width;
    int height;
};

// Every picture is 75 x 139 but these.
constexpr SizeRow kOddSizes[] = {
    {10, 74, 138}, {22, 75, 135}, {23, 75, 135}, {24, 75, 135}, {28, 75, 135}, {29, 75, 135}, {31, 75, 135},
    {32, 75, 135}, {25, 75, 136}, {26, 75, 136}, {27, 75, 136}, {30, 75, 136}, {34, 75, 136}, {35, 75, 136},
    {33, 75, 134}, {36, 75, 137}, {37, 75, 137}, {78, 75, 136}, {79, 76, 135},
};

QSize sizeOf(int imageNumber)
{
    for (const SizeRow& row : kOddSizes) {
        if (row.imageNumber == imageNumber)
            return QSize(row.width, row.height);
    }
    return QSize(75, 139);
}

QString cardFile(int imageNumber, bool twin)
{
    return QStringLiteral(":/cards/%1%2.jpg")
        .arg(imageNumber, 2, 10, QLatin1Char('0'))
        .arg(twin ? QStringLiteral("@2x") : QString());
}

bool highResolution()
{
    return qApp->devicePixelRatio() > 1.0;
}

void addImageRows()
{
    QTest::addColumn<int>("imageNumber");
    QTest::addColumn<QSize>("size");
    for (int n = 1; n <= deck::kImageCount; ++n)
        QTest::addRow("image %02d", n) << n << sizeOf(n);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int colourCount(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(line[x]);
    }
    return int(colours.size());
}

} // namespace

class TestImageList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The suite also runs with QT_SCALE_FACTOR=2; without this, a platform
        // that ignored it would make that run a second 1x run and hide the twins.
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }

    void everyImageAtItsOwnSize_data() { addImageRows(); }
    void everyImageAtItsOwnSize()
    {
        QFETCH(int, imageNumber);
        QFETCH(QSize, size);
        const QPixmap picture = platform::imageList().image(imageNumber);
        QVERIFY(!picture.isNull());
        const qreal ratio = highResolution() ? 2.0 : 1.0;
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(picture.size(), size * int(ratio));
        // It is the file of its own number, not a neighbour's.
        const QImage file(cardFile(imageNumber, ratio > 1));
        QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32),
                 file.convertToFormat(QImage::Format_RGB32));
    }

    void twinIsTwiceTheSize_data() { addImageRows(); }
    void twinIsTwiceTheSize()
    {
        QFETCH(int, imageNumber);
        QFETCH(QSize, size);
        QImageReader normal(cardFile(imageNumber, false));
        QCOMPARE(normal.format(), QByteArray("jpeg"));
        QCOMPARE(normal.size(), size);
        QImageReader twin(cardFile(imageNumber, true));
        QCOMPARE(twin.format(), QByteArray("jpeg"));
        const QImage image = twin.read();
        QVERIFY2(!image.isNull(), qPrintable(twin.errorString()));
        QCOMPARE(image.size(), size * 2);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(size));
    }

    void everyImageIsDrawnApart()
    {
        // Two numbers sharing one picture would be a card the user cannot tell.
        QSet<QByteArray> seen;
        for (int n = 1; n <= deck::kImageCount; ++n) {
            const QByteArray bytes = contents(cardFile(n, false));
            QVERIFY(!bytes.isEmpty());
            const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
            QVERIFY2(!seen.contains(hash), qPrintable(QStringLiteral("image %1 repeats another").arg(n)));
            seen.insert(hash);
        }
    }

    void noPictureOutsideTheList_data()
    {
        QTest::addColumn<int>("imageNumber");
        QTest::newRow("0, before any lookup") << 0;
        QTest::newRow("80, one past the back") << 80;
        QTest::newRow("-1") << -1;
        QTest::newRow("largest 16-bit") << 32767;
        QTest::newRow("smallest int") << std::numeric_limits<int>::min();
    }
    void noPictureOutsideTheList()
    {
        QFETCH(int, imageNumber);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(platform::imageList().image(imageNumber).isNull());
    }

    void decodedOnce()
    {
        for (int n : {1, 48, 78, 79}) {
            const qint64 first = platform::imageList().image(n).cacheKey();
            QCOMPARE(platform::imageList().image(n).cacheKey(), first);
        }
        for (WindowPicture which : {WindowPicture::Banner, WindowPicture::MenuFool, WindowPicture::ArrowUp}) {
            const qint64 first = platform::windowPicture(which).cacheKey();
            QCOMPARE(platform::windowPicture(which).cacheKey(), first);
        }
    }

    void cardBackIsOneFile()
    {
        QCOMPARE(cards::cardBack().cacheKey(), platform::imageList().image(deck::kCardBackImage).cacheKey());
        // No second copy of it among the pictures built into the program.
        const QByteArray back = contents(cardFile(79, false));
        QVERIFY(!back.isEmpty());
        QStringList copies;
        QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (contents(path) == back)
                copies << path;
        }
        QCOMPARE(copies, QStringList{cardFile(79, false)});
    }

    void windowPictures_data()
    {
        QTest::addColumn<WindowPicture>("which");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("hasTwin");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("banner") << WindowPicture::Banner << QSize(384, 96) << false << 0;
        QTest::newRow("icon") << WindowPicture::Icon << QSize(32, 32) << false << 16;
        QTest::newRow("arrow up") << WindowPicture::ArrowUp << QSize(32, 32) << false << 16;
        QTest::newRow("arrow down") << WindowPicture::ArrowDown << QSize(32, 32) << false << 16;
        QTest::newRow("Daughter of Cups face")
            << WindowPicture::MenuDaughterOfCups << QSize(76, 137) << true << 0;
        QTest::newRow("Fool face") << WindowPicture::MenuFool << QSize(75, 136) << true << 0;
        QTest::newRow("Daughter of Wands face")
            << WindowPicture::MenuDaughterOfWands << QSize(75, 136) << true << 0;
    }
    void windowPictures()
    {
        QFETCH(WindowPicture, which);
        QFETCH(QSize, size);
        QFETCH(bool, hasTwin);
        QFETCH(int, maxColours);
        const QPixmap picture = platform::windowPicture(which);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(picture.devicePixelRatio(), hasTwin && highResolution() ? 2.0 : 1.0);
        if (maxColours > 0)
            QVERIFY2(colourCount(picture) <= maxColours, qPrintable(QString::number(colourCount(picture))));
    }

    void arrowsPointOpposite()
    {
        const QImage up = platform::windowPicture(WindowPicture::ArrowUp).toImage();
        const QImage down = platform::windowPicture(WindowPicture::ArrowDown).toImage();
        QVERIFY(up != down);
        QCOMPARE(up.mirrored(false, true).convertToFormat(QImage::Format_ARGB32),
                 down.convertToFormat(QImage::Format_ARGB32));
    }

    void bannerIs24BitBitmap()
    {
        const QByteArray bmp = contents(QStringLiteral(":/pictures/banner.bmp"));
        QVERIFY(bmp.size() > 54);
        QVERIFY(bmp.startsWith("BM"));
        const auto le16 = [&](int at) { return int(uchar(bmp[at])) | int(uchar(bmp[at + 1])) << 8; };
        QCOMPARE(le16(28), 24);
        QCOMPARE(le16(18), 384);
        QCOMPARE(std::abs(qint16(le16(22))), 96);
    }

    void desktopIcons_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void desktopIcons()
    {
        QFETCH(int, size);
        QImageReader reader(QStringLiteral(":/pictures/icons/veltrano-%1.png").arg(size));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.read().size(), QSize(size, size));
    }

    void form1HoldsTheListUnseen()
    {
        platform::Form1& form = platform::Form1::instance();
        QCOMPARE(&platform::Form1::instance(), &form);
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.findChild<platform::ImageList*>(QStringLiteral("ImageList1")), &platform::imageList());
        platform::imageList().image(5);
        QVERIFY(!form.isVisible());
    }

    void form1ComesBackAfterDeletion()
    {
        delete &platform::Form1::instance();
        const QPixmap picture = platform::imageList().image(78);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(75, 136));
        QCOMPARE(platform::Form1::instance().objectName(), QStringLiteral("Form1"));
    }
};

QTEST_MAIN(TestImageList)
#include "tst_image_list.moc"
