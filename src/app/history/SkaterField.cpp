#include "SkaterField.h"

#include "RaceHistory.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

SkaterField::SkaterField(RaceHistory &history, std::function<void(const std::string &)> apply, QWidget *parent)
    : QLineEdit(parent)
    , m_history(history)
{
    setObjectName(QStringLiteral("eSkater"));
    setPlaceholderText(tr("Läufer"));
    setAccessibleName(tr("Läufer"));
    setMaxLength(60);
    connect(this, &QLineEdit::textChanged, this,
            [apply = std::move(apply)](const QString &text) { apply(text.trimmed().toStdString()); });
}

bool SkaterField::event(QEvent *event)
{
    // The race commands' keys stay the window's while a name is typed:
    // Ctrl+Z takes a lap back rather than a letter.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier) {
            switch (key->key()) {
            case Qt::Key_S:
            case Qt::Key_L:
            case Qt::Key_P:
            case Qt::Key_0:
            case Qt::Key_Z:
            case Qt::Key_O:
            case Qt::Key_R: event->ignore(); return false;
            default: break;
            }
        }
    }
    return QLineEdit::event(event);
}

void SkaterField::focusInEvent(QFocusEvent *event)
{
    // The names come from the race files, read when first wanted; they are
    // offered from the first time a name can be typed.
    m_history.ensureRead();
    if (!completer()) {
        auto *names = new QCompleter(m_history.names(), this);
        names->setCaseSensitivity(Qt::CaseInsensitive);
        // Completed in the field itself: a popup would take the keyboard and
        // swallow the click that closes it, so a click on another control and
        // the figures typed after it would go into the name.
        names->setCompletionMode(QCompleter::InlineCompletion);
        setCompleter(names);
    }
    QLineEdit::focusInEvent(event);
}
