// The large panels' type: the laps-to-go panel takes 40 % of the width, and
// both panels use the largest whole point size at which "99" fits it.
#include "Main.h"

#include "Panel.h"

#include <QFontMetrics>
#include <QImage>
#include <QResizeEvent>

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize(this);
}

void TFormMain::FormResize(QObject *)
{
    PanelKrugov->setFixedWidth((width() / 10) * 4);
    // Measured off screen, so the fitting draws nothing.
    const QImage bitmap(1, 1, QImage::Format_RGB32);
    QFont font = PanelKrugov->font();
    int size = PanelKrugov->height() * 4 / 5;
    const QString probe = QStringLiteral("99");
    do {
        --size;
        font.setPointSize(size);
        // A point size of at least 1 is all a font can take.
    } while (size > 1 && QFontMetrics(font, &bitmap).horizontalAdvance(probe) >= PanelKrugov->width());
    if (PanelKrugov->font() != font)
        PanelKrugov->setFont(font);
    if (PanelPlusMin->font() != font)
        PanelPlusMin->setFont(font);
}
