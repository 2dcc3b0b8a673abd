#include "SpinAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QVariant>

#include <mutex>

namespace {

// The editors are line edits with Qt properties for the value, the range
// and the step: the integer editor's MinValue and MaxValue, the float
// editor's Min and Max.
class SpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface
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
