#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Closes every modal dialog (message boxes above all) that opens while it
// lives and records the texts the dialogs showed.
class ModalCloser : public QObject
{
    Q_OBJECT

public:
    explicit ModalCloser(QObject *parent = nullptr);

    const QStringList &texts() const { return m_texts; }
    int count() const { return int(m_texts.size()); }

private:
    void closeModal();

    QTimer m_timer;
    QStringList m_texts;
};
