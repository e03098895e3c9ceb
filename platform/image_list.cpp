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
    Picture picture;
    const char* path;
    bool hasTwin;
    int imageNumber; // taken from the image list instead, when not 0
};

constexpr PictureFile kPictureFiles[] = {
    {Picture::Banner, ":/pictures/banner.bmp", false, 0},
    {Picture::Icon, ":/pictures/icon.png", false, 0},
    {Picture::ArrowUp, ":/pictures/arrow-up.png", false, 0},
    {Picture::ArrowDown, ":/pictures/arrow-down.png", false, 0},
    {Picture::MenuDaughterOfCups, ":/pictures/menu-daughter-of-cups.jpg", true, 0},
    {Picture::MenuFool, ":/pictures/menu-fool.jpg", true, 0},
    {Picture::MenuDaughterOfWands, ":/cards/25.jpg", true, 0},
    {Picture::CardBack, nullptr, false, 79},
};

constexpr std::size_t kPictureCount = std::size(kPictureFiles);

// The table is looked up by the enum's value.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kPictureCount; ++i) {
        if (std::size_t(kPictureFiles[i].picture) != i)
            return false;
    }
    return kPictureCount == std::size_t(Picture::CardBack) + 1;
}
static_assert(inEnumOrder(), "one row for every picture, in the enum's order");

} // namespace

ImageList::ImageList(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ImageList1"));
    initResources();
}

QPixmap ImageList::picture(int imageNumber) const
{
    return picture(imageNumber, highResolution());
}

QPixmap ImageList::finestPicture(int imageNumber) const
{
    return picture(imageNumber, true);
}

QPixmap ImageList::picture(int imageNumber, bool high) const
{
    if (imageNumber < 1 || imageNumber > kCount)
        return {};
    QPixmap& kept = m_pictures[high ? 1 : 0][std::size_t(imageNumber - 1)];
    if (kept.isNull())
        kept = load(QStringLiteral(":/cards/%1.jpg").arg(imageNumber, 2, 10, QLatin1Char('0')), true, high);
    return kept;
}

Form1::Form1()
    : QWidget(nullptr)
    , m_imageList1(new ImageList(this))
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

QPixmap picture(Picture which)
{
    const PictureFile& file = kPictureFiles[std::size_t(which)];
    if (file.imageNumber != 0)
        return imageList().picture(file.imageNumber);

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
