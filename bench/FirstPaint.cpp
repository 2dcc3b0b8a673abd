#include "FirstPaint.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

FirstPaint::FirstPaint(QWidget *window, bool quitAfter)
    : QObject(window)
    , m_quitAfter(quitAfter)
{
    window->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // After the paint has been carried out, not before.
        QTimer::singleShot(0, this, [this] {
            std::printf("painted %ld %.3f\n", bench::PeakResidentKiB(), bench::ProcessCpuMs());
            std::fflush(stdout);
            if (m_quitAfter)
                QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}
