// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture the program shows and writes it under the resources
// folder, with a contact sheet of the cards for the docs. Run it offscreen:
//   QT_QPA_PLATFORM=offscreen veltrano_pictures resources [docs]
// The output depends only on this code and the Liberation font files, so a
// second run rewrites the same bytes.

#include "art_cards.h"
#include "art_text.h"
#include "art_windows.h"
#include "deck/card_catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

// 100 dots per inch at 1x, as the pictures have always said of themselves.
constexpr int kDotsPerMeter = 3937;
constexpr int kJpegQuality = 90;
constexpr int kHicolorSizes[] = {16, 32, 48, 64, 128, 256};

bool write(QImage image, const QString& path, int scale = 1)
{
    image.setDotsPerMeterX(kDotsPerMeter * scale);
    image.setDotsPerMeterY(kDotsPerMeter * scale);
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg")))
        writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "veltrano_pictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

QString cardFile(int imageNumber, int scale)
{
    return QStringLiteral("%1%2.jpg")
        .arg(imageNumber, 2, 10, QLatin1Char('0'))
        .arg(scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale));
}

bool writeCards(const QDir& cards)
{
    for (int n = 1; n <= deck::kImageCount; ++n) {
        for (int scale : {1, 2}) {
            if (!write(art::drawCard(n, scale), cards.filePath(cardFile(n, scale)), scale))
                return false;
        }
    }
    return true;
}

bool writeWindowPictures(const QDir& pictures)
{
    QDir icons(pictures.filePath(QStringLiteral("icons")));
    if (!icons.mkpath(QStringLiteral(".")))
        return false;
    bool ok =
        write(art::drawBanner().convertToFormat(QImage::Format_RGB888), pictures.filePath("banner.bmp"));
    ok = ok &&
         write(art::toPalette(art::drawIcon(32, true), art::iconPalette()), pictures.filePath("icon.png"));
    ok = ok &&
         write(art::toPalette(art::drawArrow(true), art::arrowPalette()), pictures.filePath("arrow-up.png"));
    ok = ok && write(art::toPalette(art::drawArrow(false), art::arrowPalette()),
                     pictures.filePath("arrow-down.png"));
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = ok && write(art::drawMenuDaughterOfCups(scale),
                         pictures.filePath("menu-daughter-of-cups" + suffix + ".jpg"), scale);
        ok = ok && write(art::drawMenuFool(scale), pictures.filePath("menu-fool" + suffix + ".jpg"), scale);
    }
    for (int size : kHicolorSizes) {
        ok = ok &&
             write(art::drawIcon(size, false), icons.filePath(QStringLiteral("veltrano-%1.png").arg(size)));
    }
    return ok;
}

// Every card as written, ten to a row, its image number under it.
bool writeContactSheet(const QDir& cards, const QString& path, int scale)
{
    constexpr int kColumns = 10;
    constexpr int kCellWidth = 86;
    constexpr int kCellHeight = 160;
    constexpr int kMargin = 8;
    const int rows = (deck::kImageCount + kColumns - 1) / kColumns;
    QImage sheet(QSize(kColumns * kCellWidth + 2 * kMargin, rows * kCellHeight + 2 * kMargin) * scale,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xd4, 0xcc));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (int n = 1; n <= deck::kImageCount; ++n) {
        QImage card(cards.filePath(cardFile(n, scale)));
        if (card.isNull()) {
            std::fprintf(stderr, "veltrano_pictures: cannot read back card %d\n", n);
            return false;
        }
        card.setDevicePixelRatio(scale);
        const int column = (n - 1) % kColumns;
        const int row = (n - 1) / kColumns;
        const QPointF cell(kMargin + column * kCellWidth, kMargin + row * kCellHeight);
        const QSizeF logical = card.deviceIndependentSize();
        p.drawImage(cell + QPointF((kCellWidth - logical.width()) / 2, 2), card);
        art::drawCentred(p, art::Face::SansBold, 11, QString::number(n),
                         cell + QPointF(kCellWidth / 2.0, kCellHeight - 6), QColor(0x30, 0x28, 0x20));
    }
    p.end();
    return write(sheet, path, scale);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: veltrano_pictures RESOURCES_DIR [DOCS_DIR]\n");
        return 2;
    }
    if (!art::loadFaces())
        return 1;

    const QDir resources(args.at(1));
    const QDir docs(args.size() == 3 ? args.at(2) : resources.filePath(QStringLiteral("../docs")));
    QDir cards(resources.filePath(QStringLiteral("cards")));
    QDir pictures(resources.filePath(QStringLiteral("pictures")));
    if (!cards.mkpath(".") || !pictures.mkpath(".") || !QDir(docs).mkpath(".")) {
        std::fprintf(stderr, "veltrano_pictures: cannot create the output folders\n");
        return 1;
    }
    if (!writeCards(cards) || !writeWindowPictures(pictures))
        return 1;
    if (!writeContactSheet(cards, docs.filePath("cards-contact-sheet.png"), 1) ||
        !writeContactSheet(cards, docs.filePath("cards-contact-sheet@2x.png"), 2))
        return 1;
    return 0;
}
