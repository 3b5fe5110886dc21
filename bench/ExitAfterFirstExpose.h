#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

// Ends the event loop with status 0 once the first window has been exposed and painted, for runs
// that measure or check the start-up with nobody there to close the window.
inline void exitAfterFirstExpose(QCoreApplication &app)
{
    class Watch : public QObject
    {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Expose && watched->isWindowType()
                && static_cast<QWindow *>(watched)->isExposed()) {
                QCoreApplication::instance()->removeEventFilter(this);
                // Queued, so that the window paints in answer to this expose before the loop ends.
                QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                                          Qt::QueuedConnection);
            }
            return false;
        }
    };
    app.installEventFilter(new Watch(&app));
}
