// SPDX-License-Identifier: GPL-3.0-or-later
// Veltrano's own start, measured: the program starts as it always does and
// this binary ends it once the start-up window has been painted with its
// three pictures and the Enter button showing. Only the ending is added.

#include "clock.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "shell/omvelis_form.h"
#include "shell/program_start.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// Ends the run after the first paint of the Enter button, which the start-up
// window makes visible only once its activation has fetched its pictures.
class EndAfterEnterPainted : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            watched->removeEventFilter(this);
            // After the paint has reached the screen.
            QTimer::singleShot(0, [] {
                bench::reportPainted();
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

bool showsTheStartPictures(const OmvelisForm& start)
{
    return start.Picture1(0)->imageNumber() == 78 && start.Picture1(1)->imageNumber() == 79 &&
           start.Picture1(2)->imageNumber() == 48;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::startProgram();

    OmvelisForm* start = platform::existingForm<OmvelisForm>();
    EndAfterEnterPainted ending;
    start->findChild<QPushButton*>(QStringLiteral("EnterButton"))->installEventFilter(&ending);
    const int code = QApplication::exec();
    if (!showsTheStartPictures(*start)) {
        std::fprintf(stderr, "the start-up window did not show its three pictures\n");
        return 1;
    }
    platform::destroyAllForms();
    return code;
}
