#include "FirstPaint.h"
#include "Fonts.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

// The floor of the window's start-up: the texts its first frame shows, each
// in the font the window shows it in, drawn by one widget of the window's
// size, with nothing else of the window. What this program costs over the
// minimal one is Qt's own loading and drawing of those fonts.
namespace {

struct Text
{
    const char *family;
    int pixelSize; // 0: the large panels' size
    bool bold;
    bool antialiased;
    const char *text;
};

constexpr Text kTexts[] = {
    {"MS Sans Serif", 11, false, true, "Inline Control Configuration Grafik"},
    {"Arial", 0, true, true, "15"},
    {"Arial", 0, true, true, "+2"},
    {"Arial Narrow", 96, true, true, "22,0"},
    {"Arial", 37, true, true, "32,7 km/h"},
    {"MS Sans Serif", 19, true, false, "START LAP STOPP 0:00"},
    {"Times New Roman", 64, true, true, ". ,"},
    {"Arial", 19, true, true, "Min. Sek. 100"},
    {"MS Sans Serif", 13, true, true, "Streckenlänge: 3000 m Ergibt Runden: 15 Minuten: 5 Startzugabe: 1,5"},
    {"MS Sans Serif", 13, true, true, "Rundenlänge: 200 m Zusatzliche: 0 Sekunden: 30 Gesamtsekunden: 330"},
    {"MS Sans Serif", 13, true, true, "Kontakt: kein Port"},
};

class TextsOnly : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        int y = 0;
        for (const Text &t : kTexts) {
            QFont font = WindowFont(QString::fromLatin1(t.family), t.pixelSize > 0 ? t.pixelSize : 12, t.bold);
            if (t.pixelSize == 0)
                font.setPointSize(176); // what the window's fitting gives at its design size
            if (!t.antialiased)
                font.setStyleStrategy(QFont::NoAntialias);
            painter.setFont(font);
            y += 40;
            painter.drawText(4, y, QString::fromUtf8(t.text));
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TextsOnly window;
    window.resize(708, 483);
    new FirstPaint(&window);
    window.show();
    return app.exec();
}
