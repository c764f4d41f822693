#include "startup.h"

#include "app/application.h"
#include "cases.h"
#include "platform/qtplatform.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"
#include "windows/startwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace bench
{

std::int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

namespace
{

// Calls `exposed` with every window that becomes exposed.
class ExposeWatch : public QObject
{
public:
    explicit ExposeWatch(std::function<void(QWindow *)> exposed) : exposed_(std::move(exposed)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            auto *w = qobject_cast<QWindow *>(watched);
            if (w && w->isExposed())
                exposed_(w);
        }
        return false;
    }

private:
    std::function<void(QWindow *)> exposed_;
};

// Reports both times and the child's peak memory, and ends the process at once: tearing the
// windows down is no part of the start.
[[noreturn]] void report(std::int64_t launched, std::int64_t first, std::int64_t second)
{
    std::printf("START %.3f %.3f %ld\n", double(first - launched) / 1e6, double(second - launched) / 1e6,
                peakMemoryKb());
    std::fflush(stdout);
    _exit(0);
}

// Gives up when a window never shows.
void watchdog()
{
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no window was exposed\n");
        std::fflush(stderr);
        _exit(1);
    });
}

} // namespace

int startApplication(int argc, char *argv[], std::int64_t launched)
{
    QApplication qapp(argc, argv);
    app::configuraApplicazione(qapp);
    platform::QtDialogs dialogs;
    platform::QtSystem system;
    app::Application application(platform::Platform{dialogs, system});
    win::StartWindow &start = application.startWindow();
    std::int64_t first = 0;
    ExposeWatch watch([&](QWindow *w) {
        if (!first && w == start.windowHandle()) {
            first = monotonicNs();
            QTimer::singleShot(0, &start, [&start] {
                for (QPushButton *b : start.findChildren<QPushButton *>())
                    if (b->text().contains(QStringLiteral("Tradizionale")))
                        b->click();
            });
            return;
        }
        const win::QuestionnaireWindow *q = application.module(qst::Modello::Tradizionale).loadedWindow();
        if (first && q && w == q->windowHandle())
            report(launched, first, monotonicNs());
    });
    qapp.installEventFilter(&watch);
    watchdog();
    start.show();
    return QApplication::exec();
}

int startFloor(int argc, char *argv[], std::int64_t launched)
{
    QApplication qapp(argc, argv);
    QWidget one;
    QWidget two;
    std::int64_t first = 0;
    ExposeWatch watch([&](QWindow *w) {
        if (!first && w == one.windowHandle()) {
            first = monotonicNs();
            QTimer::singleShot(0, &two, [&two] { two.show(); });
        } else if (first && w == two.windowHandle()) {
            report(launched, first, monotonicNs());
        }
    });
    qapp.installEventFilter(&watch);
    watchdog();
    one.show();
    return QApplication::exec();
}

} // namespace bench
