#include "MainWindowFixture.h"
#include "TestOutput.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

// The window on a screen with a device pixel ratio of 2 (CTest runs this
// program with QT_SCALE_FACTOR=2): the digits' polygons are drawn at twice
// the resolution with their seams, and no text is cut off by its control.
namespace {

const QColor Black(0, 0, 0);
const QColor Yellow(255, 255, 0);

QColor colourAt(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The widget as drawn at the given device pixel ratio.
QImage render(QWidget *widget, qreal ratio)
{
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

// Pixels of `rect` (physical) that differ clearly from `background`.
QRect inkBounds(const QImage &image, const QRect &rect, const QColor &background)
{
    QRect ink;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                + std::abs(c.blue() - background.blue());
            if (distance > 96)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QRect scaled(const QRect &rect, int factor)
{
    return QRect(rect.topLeft() * factor, rect.size() * factor);
}

class HighDpiTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_EQ(form.devicePixelRatio(), 2.0) << "needs QT_SCALE_FACTOR=2";
    }

    // Every label on the shown tab: its text needs no more room than it has.
    // Returns how many labels were checked.
    int expectLabelsFit(const char *tab)
    {
        int checked = 0;
        for (QLabel *label : form.findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty() || qobject_cast<Panel *>(label))
                continue;
            const QSize needed = label->wordWrap()
                ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                : label->sizeHint();
            const QString what = label->objectName().isEmpty() ? label->text() : label->objectName();
            EXPECT_LE(needed.width(), label->width()) << tab << ": " << what.toStdString();
            EXPECT_LE(needed.height(), label->height()) << tab << ": " << what.toStdString();
            ++checked;
        }
        return checked;
    }
};

} // namespace

TEST_F(HighDpiTest, WindowKeepsItsSizeAndDrawsTwiceThePixels)
{
    EXPECT_EQ(form.size(), QSize(708, 483));
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.size(), QSize(1416, 966));
    saveTestPng(&form, QStringLiteral("main_window_dpr2_inline"));
}

TEST_F(HighDpiTest, DigitPolygonsScaleWithTheirSeams)
{
    form.ShowDigits(18, 38, 88); // every digit yellow; four of them show all bars
    for (const char *name : {"Digit3", "Digit4", "Digit5", "Digit6", "Digit7", "Digit8"}) {
        SCOPED_TRACE(name);
        TDigit *digit = child<TDigit>(name);
        const QImage one = render(digit, 1);
        const QImage two = render(digit, 2);
        ASSERT_EQ(two.size(), QSize(90, 178));

        // Away from the outlines, each pixel of the plain picture is a 2 × 2
        // block of the same colour in the sharp one.
        int uniform = 0;
        int differing = 0;
        for (int y = 1; y + 1 < one.height(); ++y) {
            for (int x = 1; x + 1 < one.width(); ++x) {
                const QRgb c = one.pixel(x, y);
                bool same = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        same = same && one.pixel(x + dx, y + dy) == c;
                if (!same)
                    continue;
                ++uniform;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        differing += two.pixel(2 * x + dx, 2 * y + dy) != c;
            }
        }
        EXPECT_GT(uniform, 45 * 89 / 2);
        EXPECT_EQ(differing, 0);

        // Drawn anew at the finer grid, not enlarged: only the two colours,
        // no blur, and outlines that split the 2 × 2 blocks.
        int otherColours = 0;
        int splitBlocks = 0;
        for (int y = 0; y < two.height(); y += 2) {
            for (int x = 0; x < two.width(); x += 2) {
                const QRgb c = two.pixel(x, y);
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        const QRgb p = two.pixel(x + dx, y + dy);
                        otherColours += p != Black.rgb() && p != Yellow.rgb();
                        if (p != c) {
                            ++splitBlocks;
                            dy = dx = 2;
                        }
                    }
                }
            }
        }
        EXPECT_EQ(otherColours, 0);
        EXPECT_GT(splitBlocks, 20);
    }

    // The seams of an 8 (all bars lit): dark where two bars meet, lit on
    // either side, at twice the coordinates of the plain picture.
    const QImage eight = render(child<TDigit>("Digit8"), 2);
    struct Seam
    {
        QPoint seam;
        QPoint sideA;
        QPoint sideB;
    };
    const Seam seams[] = {
        {{6, 6}, {9, 4}, {4, 9}}, // top bar / upper-left bar
        {{38, 6}, {35, 4}, {40, 9}}, // top bar / upper-right bar
        {{5, 44}, {12, 44}, {5, 36}}, // middle bar / upper-left bar
        {{39, 44}, {32, 44}, {39, 36}}, // middle bar / upper-right bar
    };
    for (const Seam &s : seams) {
        const QPoint p = s.seam * 2;
        EXPECT_EQ(colourAt(eight, p.x(), p.y()), Black) << s.seam.x() << "," << s.seam.y();
        EXPECT_EQ(colourAt(eight, p.x() + 1, p.y() + 1), Black) << s.seam.x() << "," << s.seam.y();
        EXPECT_EQ(colourAt(eight, 2 * s.sideA.x(), 2 * s.sideA.y()), Yellow) << s.sideA.x() << "," << s.sideA.y();
        EXPECT_EQ(colourAt(eight, 2 * s.sideB.x(), 2 * s.sideB.y()), Yellow) << s.sideB.x() << "," << s.sideB.y();
    }
}

TEST_F(HighDpiTest, LargePanelsKeepTheirTextInside)
{
    const QImage image = form.grab().toImage();
    for (const char *name : {"PanelKrugov", "PanelPlusMin", "pTimeOneKrug", "pTimeAverSpeed"}) {
        Panel *p = panel(name);
        const QRect inside = scaled(QRect(p->mapTo(&form, p->contentsRect().topLeft()), p->contentsRect().size()), 2);
        const QRect ink = inkBounds(image, inside, p->color());
        ASSERT_FALSE(ink.isEmpty()) << name;
        // Ink on the inner edge would mean the caption runs on beyond it.
        EXPECT_TRUE(inside.adjusted(1, 1, -1, -1).contains(ink)) << name << ": caption " << p->caption().toStdString();
    }
}

TEST_F(HighDpiTest, NoTextIsCutOff)
{
    auto *tabs = child<QTabWidget>("PageControl1");
    // The editors' captions and units with the time display's labels; the
    // lap table's fields; the port and polarity captions.
    const struct
    {
        const char *name;
        int labels;
    } tabsToCheck[] = {{"Inline", 15}, {"Control", 6}, {"Configuration", 2}, {"Grafik", 0}, {"Vergleich", 1}};
    ASSERT_EQ(tabs->count(), qsizetype(std::size(tabsToCheck)));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        EXPECT_GE(expectLabelsFit(tabsToCheck[tab].name), tabsToCheck[tab].labels) << tabsToCheck[tab].name;
    }
    tabs->setCurrentIndex(0);

    for (const char *name : {"bStart", "bLAP", "bStop", "bReset"}) {
        TBitBtnWithColor *b = button(name);
        QString caption = b->Caption();
        caption.remove(QLatin1Char('&'));
        EXPECT_LT(b->fontMetrics().horizontalAdvance(caption), b->width() - 4) << name;
        EXPECT_LE(b->fontMetrics().height(), b->height() - 4) << name;
    }
}
