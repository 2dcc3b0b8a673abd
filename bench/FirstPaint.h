#pragma once

#include <QObject>

class QWidget;

// Watches a window for its first paint, then prints one line to standard
// output and ends the event loop: how the start-up benchmark learns that
// a child program has shown its first frame. The line is "painted <peak
// resident KiB> <CPU ms so far>".
class FirstPaint : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaint(QWidget *window, bool quitAfter = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_quitAfter;
    bool m_seen = false;
};
