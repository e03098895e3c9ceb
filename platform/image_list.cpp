// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/image_list.h"

#include "platform/resources.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPointer>

namespace platform {
namespace {

bool highResolution()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

// Reads the named picture, or its "@2x" twin where it has one and the screen
// wants it. Qt does not swap in the twin by itself; reading the twin by its
// name is what gives the picture its ratio of 2, and so its logical size.
QPixmap load(const QString& path, bool hasTwin, bool high)
{
    QString file = path;
    if (hasTwin && high) {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        file.insert(dot, QLatin1String("@2x"));
    }
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image);
}

struct PictureFile {
    WindowPicture picture;
    const char* path;
    bool hasTwin;
};

constexpr PictureFile kPictureFiles[] = {
    {WindowPicture::Banner, ":/pictures/banner.bmp", false},
    {WindowPicture::Icon, ":/pictures/icon.png", false},
    {WindowPicture::ArrowUp, ":/pictures/arrow-up.png", false},
    {WindowPicture::ArrowDown, ":/pictures/arrow-down.png", false},
    {WindowPicture::MenuDaughterOfCups, ":/pictures/menu-daughter-of-cups.jpg", true},
    {WindowPicture::MenuFool, ":/pictures/menu-fool.jpg", true},
    {WindowPicture::MenuDaughterOfWands, ":/cards/25.jpg", true},
};

constexpr std::size_t kPictureCount = std::size(kPictureFiles);

// The table is looked up by the enum's value.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kPictureCount; ++i) {
        if (std::size_t(kPictureFiles[i].picture) != i)
            return false;
    }
    return kPictureCount == std::size_t(WindowPicture::MenuDaughterOfWands) + 1;
}
static_assert(inEnumOrder(), "one row for every picture, in the enum's order");

} // namespace

ImageList::ImageList(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ImageList1"));
    initResources();
}

QPixmap ImageList::image(int imageNumber) const
{
    return image(imageNumber, highResolution());
}

QPixmap ImageList::finestImage(int imageNumber) const
{
    return image(imageNumber, true);
}

QPixmap ImageList::image(int imageNumber, bool high) const
{
    if (imageNumber < 1)
        return {};
    std::vector<QPixmap>& kept = pictures_[high ? 1 : 0];
    const auto at = std::size_t(imageNumber - 1);
    if (at < kept.size() && !kept[at].isNull())
        return kept[at];
    const QPixmap loaded =
        load(QStringLiteral(":/cards/%1.jpg").arg(imageNumber, 2, 10, QLatin1Char('0')), true, high);
    // Only pictures that exist take a place: a stray number grows nothing.
    if (!loaded.isNull()) {
        if (at >= kept.size())
            kept.resize(at + 1);
        kept[at] = loaded;
    }
    return loaded;
}

Form1::Form1()
    : QWidget(nullptr)
    , imageList1_(new ImageList(this))
{
    setObjectName(QStringLiteral("Form1"));
}

Form1& Form1::instance()
{
    // Never deleted: it lives as long as the program, and deleting a widget
    // after the application object is gone is not safe. Should it be deleted
    // anyway, the next request makes a new one.
    static QPointer<Form1> form;
    if (!form)
        form = new Form1;
    return *form;
}

ImageList& imageList()
{
    return Form1::instance().imageList1();
}

QPixmap windowPicture(WindowPicture which)
{
    const PictureFile& file = kPictureFiles[std::size_t(which)];
    // Kept for the life of the program, like the image list; never freed, so
    // no pixmap outlives the application in a static destructor.
    static auto* kept = new std::array<std::array<QPixmap, kPictureCount>, 2>;
    const bool high = highResolution();
    QPixmap& slot = (*kept)[high ? 1 : 0][std::size_t(which)];
    if (slot.isNull())
        slot = load(QString::fromLatin1(file.path), file.hasTwin, high);
    return slot;
}

} // namespace platform
