#pragma once

#include <QLineEdit>
#include <QString>

// What an editor has told its owner of, and whether text typed since is
// still held back. With holding on, changes typed by the user wait until
// the input is complete (take()); writes from the program are told at once
// and drop anything typed but not yet taken. Without holding every change
// is told at once.
class TypedText
{
public:
    bool holding() const { return m_holding; }
    void setHolding(bool on) { m_holding = on; }
    // True while typed text is waiting.
    bool pending() const { return m_pending; }
    // The text last told to the owner.
    const QString &told() const { return m_told; }

    // On every change of the shown text: true when the owner is to be told now.
    bool changed(const QString &shown)
    {
        if (m_holding && m_writing == 0) {
            m_pending = shown != m_told;
            return false;
        }
        return take(shown);
    }

    // Makes the shown text the told one: true when that is a change.
    bool take(const QString &shown)
    {
        m_pending = false;
        if (shown == m_told)
            return false;
        m_told = shown;
        return true;
    }

    // Writes `text` into `edit` as the program does: true when the owner is
    // to be told beyond what the change of the shown text told it (a text
    // equal to the typed one changes nothing shown, but the value in force).
    bool write(QLineEdit &edit, const QString &text)
    {
        {
            const Write writing(*this);
            edit.setText(text);
        }
        return take(edit.text());
    }

    // Marks the program's writes for as long as it lives.
    class Write
    {
    public:
        explicit Write(TypedText &text)
            : m_text(text)
        {
            ++m_text.m_writing;
        }
        ~Write() { --m_text.m_writing; }
        Write(const Write &) = delete;
        Write &operator=(const Write &) = delete;

    private:
        TypedText &m_text;
    };

private:
    QString m_told;
    int m_writing = 0;
    bool m_holding = false;
    bool m_pending = false;
};
