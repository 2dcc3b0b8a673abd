#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

class RaceHistory;

// The skater's name of the current race ("Läufer"), given before START or
// afterwards; the names of earlier races are offered for completion. Each
// change goes to the race through `apply`, never read back from the field.
class SkaterField : public QLineEdit
{
    Q_OBJECT

public:
    SkaterField(RaceHistory &history, std::function<void(const std::string &)> apply, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    Q_DISABLE_COPY(SkaterField)

    RaceHistory &m_history;
};
