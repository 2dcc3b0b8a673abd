#include "ModalCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

ModalCloser::ModalCloser(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ModalCloser::closeModal);
    m_timer.start();
}

void ModalCloser::closeModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        m_texts << box->text();
    else
        m_texts << modal->windowTitle();
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}
