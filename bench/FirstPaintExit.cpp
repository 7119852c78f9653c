// Preloaded into a Qt program (LD_PRELOAD), ends it as soon as its first top-level window has
// been painted and the event loop is back, so that a profiler (callgrind, perf stat) counts
// exactly the work from the start until the first window is drawn, whatever the machine's load.
//   LD_PRELOAD=build/bench/first_paint_exit.so valgrind --tool=callgrind build/dunemark
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                painted_ = true;
                // The painting and its flush to the window system finish first.
                QTimer::singleShot(0, [] { _exit(0); });
            }
        }
        return false;
    }

private:
    bool painted_ = false;
};

void InstallFilter() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFilter)
