#include "SpinAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QVariant>

#include <mutex>

namespace {

// The editors are line edits with Qt properties for the value, the range
// and the step: the integer editor's MinValue and MaxValue, the float
// editor's Min and Max. Their text stays readable and editable as a line
// edit's: caret, selection, characters.
class SpinAccessible : public QAccessibleWidget,
                       public QAccessibleValueInterface,
                       public QAccessibleEditableTextInterface,
                       public QAccessibleTextInterface
{
public:
    explicit SpinAccessible(QLineEdit *editor)
        : QAccessibleWidget(editor, QAccessible::SpinBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return editor()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !editor()->isReadOnly();
        s.readOnly = editor()->isReadOnly();
        return s;
    }

    QVariant currentValue() const override { return editor()->property("Value"); }
    void setCurrentValue(const QVariant &value) override { editor()->setProperty("Value", value); }
    QVariant maximumValue() const override { return either("MaxValue", "Max"); }
    QVariant minimumValue() const override { return either("MinValue", "Min"); }
    QVariant minimumStepSize() const override { return editor()->property("Increment"); }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }

    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            QMetaObject::invokeMethod(editor(), "StepUp");
        else if (name == decreaseAction())
            QMetaObject::invokeMethod(editor(), "StepDown");
        else
            QAccessibleWidget::doAction(name);
    }

    // The text.
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && editor()->hasSelectedText()) {
            *start = editor()->selectionStart();
            *end = editor()->selectionEnd();
        }
    }
    int selectionCount() const override { return editor()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            editor()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            editor()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return editor()->cursorPosition(); }
    void setCursorPosition(int position) override { editor()->setCursorPosition(position); }
    QString text(int start, int end) const override { return editor()->text().mid(start, end - start); }
    int characterCount() const override { return int(editor()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // From the caret's rectangle, shifted by the text between.
        const QString text = editor()->text();
        const QFontMetrics metrics = editor()->fontMetrics();
        const QRect caret = editor()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.center().x() - metrics.horizontalAdvance(text.left(editor()->cursorPosition()))
            + metrics.horizontalAdvance(text.left(offset));
        const QRect local(x, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
        return QRect(editor()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return editor()->cursorPositionAt(editor()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { editor()->setCursorPosition(start); }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

    // Editing, as typing would: the editor checks and takes the text.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (editor()->isReadOnly())
            return;
        editor()->setSelection(start, end - start);
        editor()->insert(text);
    }

private:
    QLineEdit *editor() const { return static_cast<QLineEdit *>(widget()); }

    QVariant either(const char *name, const char *otherName) const
    {
        const QVariant value = editor()->property(name);
        return value.isValid() ? value : editor()->property(otherName);
    }
};

QAccessibleInterface *SpinFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("TSpinEdit") && className != QLatin1String("TSpinFloatEdit"))
        return nullptr;
    auto *editor = qobject_cast<QLineEdit *>(object);
    return editor ? new SpinAccessible(editor) : nullptr;
}

} // namespace

void InstallSpinAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(SpinFactory); });
}
