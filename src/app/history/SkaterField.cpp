#include "SkaterField.h"

#include "RaceHistory.h"

#include <QCompleter>
#include <QStringListModel>

SkaterField::SkaterField(RaceHistory &history, std::function<void(const std::string &)> apply, QWidget *parent)
    : QLineEdit(parent)
    , m_history(history)
{
    setObjectName(QStringLiteral("eSkater"));
    setPlaceholderText(tr("Läufer"));
    setAccessibleName(tr("Läufer"));
    setMaxLength(60);
    auto *completer = new QCompleter(history.names(), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    setCompleter(completer);
    connect(this, &QLineEdit::textChanged, this,
            [apply = std::move(apply)](const QString &text) { apply(text.trimmed().toStdString()); });
}

void SkaterField::focusInEvent(QFocusEvent *event)
{
    // The names come from the race files, read when first wanted.
    m_history.ensureRead();
    QLineEdit::focusInEvent(event);
}
