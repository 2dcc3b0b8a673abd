#include "ButtonWithColor.h"

#include "PaintCounter.h"
#include "StockGlyphs.h"
#include "SystemColors.h"
#include "TestOutput.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor clGreen(0, 128, 0);
const QColor clYellow(255, 255, 0);
const QColor clRed(255, 0, 0);
const QColor clBlack(0, 0, 0);

QFont captionFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    return font;
}

void setFontColor(QWidget &w, const QColor &colour)
{
    QPalette palette = w.palette();
    palette.setColor(QPalette::ButtonText, colour);
    w.setPalette(palette);
}

// A 109 x 30 button like START on the main window.
std::unique_ptr<TBitBtnWithColor> startButton(QWidget *parent = nullptr)
{
    auto button = std::make_unique<TBitBtnWithColor>(parent);
    button->setGeometry(0, 0, 109, 30);
    button->setFont(captionFont());
    button->SetCaption(QStringLiteral("&START"));
    button->SetColor(clGreen);
    setFontColor(*button, clYellow);
    return button;
}

QImage grabbed(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(const QColor &c)
{
    return c.rgb();
}

// Bounding box of the pixels of `colour`.
QRect boxOf(const QImage &image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(ButtonFace, RaisedEdgeAroundAFaceInColor)
{
    auto button = startButton();
    const QImage image = grabbed(*button);
    ASSERT_EQ(image.size(), QSize(109, 30));

    // Face from (2, 2) to (106, 27): its outline is all Color.
    for (int x = 2; x <= 106; ++x) {
        EXPECT_EQ(image.pixel(x, 2), rgb(clGreen)) << x;
        EXPECT_EQ(image.pixel(x, 27), rgb(clGreen)) << x;
    }
    for (int y = 2; y <= 27; ++y) {
        EXPECT_EQ(image.pixel(2, y), rgb(clGreen)) << y;
        EXPECT_EQ(image.pixel(106, y), rgb(clGreen)) << y;
    }
    // Two-pixel raised edge: lit top-left, dark bottom-right.
    EXPECT_EQ(image.pixel(0, 0), rgb(SystemColors::Light3D()));
    EXPECT_EQ(image.pixel(50, 0), rgb(SystemColors::Light3D()));
    EXPECT_EQ(image.pixel(0, 15), rgb(SystemColors::Light3D()));
    EXPECT_EQ(image.pixel(108, 0), rgb(SystemColors::DkShadow3D()));
    EXPECT_EQ(image.pixel(0, 29), rgb(SystemColors::DkShadow3D()));
    EXPECT_EQ(image.pixel(108, 29), rgb(SystemColors::DkShadow3D()));
    EXPECT_EQ(image.pixel(1, 1), rgb(SystemColors::BtnHighlight()));
    EXPECT_EQ(image.pixel(50, 1), rgb(SystemColors::BtnHighlight()));
    EXPECT_EQ(image.pixel(107, 28), rgb(SystemColors::BtnShadow()));
    EXPECT_EQ(image.pixel(50, 28), rgb(SystemColors::BtnShadow()));

    // The caption in the font colour, centred.
    const QRect caption = boxOf(image, rgb(clYellow));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_NEAR(caption.center().x(), 54, 2);
    EXPECT_NEAR(caption.center().y(), 15, 3);
}

TEST(ButtonFace, MnemonicLetterIsUnderlined)
{
    auto button = startButton();
    const QImage withMnemonic = grabbed(*button);
    button->SetCaption(QStringLiteral("START"));
    const QImage plain = grabbed(*button);

    // The only difference is a line under the "S".
    const int sWidth = QFontMetrics(captionFont()).horizontalAdvance(QLatin1Char('S'));
    const QRect caption = boxOf(plain, rgb(clYellow));
    QRect changed;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 109; ++x)
            if (withMnemonic.pixel(x, y) != plain.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
                EXPECT_EQ(withMnemonic.pixel(x, y), rgb(clYellow));
            }
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_LE(changed.height(), 2);
    EXPECT_GE(changed.top(), caption.bottom() - 3);
    EXPECT_GE(changed.left(), caption.left() - 1);
    EXPECT_LE(changed.right(), caption.left() + sWidth + 1);
    EXPECT_GE(changed.width(), sWidth / 2);
}

TEST(ButtonFace, PressedFaceHasAShadowOutlineAndTheCaptionMovesOnePixel)
{
    auto button = startButton();
    const QImage up = grabbed(*button);
    button->setDown(true);
    const QImage down = grabbed(*button);

    const QRgb shadow = rgb(SystemColors::BtnShadow());
    for (int x = 0; x < 109; ++x) {
        EXPECT_EQ(down.pixel(x, 0), shadow) << x;
        EXPECT_EQ(down.pixel(x, 29), shadow) << x;
        if (x > 0 && x < 108) {
            EXPECT_EQ(down.pixel(x, 1), rgb(clGreen)) << x;
        }
    }
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(down.pixel(0, y), shadow) << y;
        EXPECT_EQ(down.pixel(108, y), shadow) << y;
        EXPECT_EQ(down.pixel(1, y), y == 0 || y == 29 ? shadow : rgb(clGreen)) << y;
    }

    // The caption keeps its shape, one pixel right and down.
    const QRect upBox = boxOf(up, rgb(clYellow));
    const QRect downBox = boxOf(down, rgb(clYellow));
    ASSERT_FALSE(upBox.isEmpty());
    EXPECT_EQ(downBox, upBox.translated(1, 1));
    for (int y = upBox.top(); y <= upBox.bottom(); ++y)
        for (int x = upBox.left(); x <= upBox.right(); ++x)
            EXPECT_EQ(up.pixel(x, y) == rgb(clYellow), down.pixel(x + 1, y + 1) == rgb(clYellow));
}

TEST(ButtonFace, DisabledCaptionIsEmbossedWhateverTheFontColour)
{
    auto button = startButton();
    button->SetEnabled(false);
    const QImage yellowFont = grabbed(*button);
    setFontColor(*button, clRed);
    const QImage redFont = grabbed(*button);
    EXPECT_EQ(yellowFont, redFont);

    const QRgb white = 0xffffffff;
    const QRgb grey = 0xff808080;
    int whites = 0;
    int greys = 0;
    for (int y = 2; y <= 27; ++y)
        for (int x = 2; x <= 106; ++x) {
            const QRgb c = yellowFont.pixel(x, y);
            EXPECT_TRUE(c == white || c == grey || c == rgb(clGreen)) << x << "," << y;
            if (c == grey)
                ++greys;
            if (c == white) {
                ++whites;
                // White is the caption one pixel right and down, under grey.
                const QRgb above = yellowFont.pixel(x - 1, y - 1);
                EXPECT_TRUE(above == grey) << x << "," << y;
            }
        }
    EXPECT_GT(greys, 50);
    EXPECT_GT(whites, 20);
    EXPECT_EQ(yellowFont.pixel(2, 2), rgb(clGreen));
}

TEST(ButtonFace, FocusOutlineAndDottedRectangle)
{
    QWidget window;
    window.resize(200, 100);
    auto button = startButton(&window);
    showActive(window);
    button->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->Active());

    const QImage image = grabbed(*button);
    const QRgb frame = rgb(SystemColors::WindowFrame());
    for (int x = 0; x < 109; ++x) {
        EXPECT_EQ(image.pixel(x, 0), frame) << x;
        EXPECT_EQ(image.pixel(x, 29), frame) << x;
    }
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(image.pixel(0, y), frame) << y;
        EXPECT_EQ(image.pixel(108, y), frame) << y;
    }
    // The raised edge moves one pixel in; the face starts at (3, 3).
    EXPECT_EQ(image.pixel(1, 1), rgb(SystemColors::Light3D()));
    EXPECT_EQ(image.pixel(2, 2), rgb(SystemColors::BtnHighlight()));
    EXPECT_EQ(image.pixel(3, 3), rgb(clGreen));
    EXPECT_EQ(image.pixel(105, 26), rgb(clGreen));

    // Dots on every other pixel of the rectangle 4 pixels inside the edge,
    // from (4, 4) to (104, 25).
    const QRgb dot = qRgb(255, 127, 255);
    const QRgb face = rgb(clGreen);
    for (int x = 4; x <= 104; ++x) {
        EXPECT_EQ(image.pixel(x, 4), (x - 4) % 2 == 0 ? dot : face) << x;
        EXPECT_EQ(image.pixel(x, 25), (x - 4 + 21) % 2 == 0 ? dot : face) << x;
    }
    for (int y = 4; y <= 25; ++y) {
        EXPECT_EQ(image.pixel(4, y), (y - 4) % 2 == 0 ? dot : face) << y;
        EXPECT_EQ(image.pixel(104, y), (y - 4 + 100) % 2 == 0 ? dot : face) << y;
    }
    EXPECT_EQ(image.pixel(5, 5), face);

    // Losing the focus takes outline and dots away.
    QLineEdit edit(&window);
    edit.show();
    edit.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(button->Active());
    const QImage unfocused = grabbed(*button);
    EXPECT_EQ(unfocused.pixel(0, 0), rgb(SystemColors::Light3D()));
    EXPECT_EQ(unfocused.pixel(4, 4), face);
}

TEST(ButtonActive, DefaultButtonIsActiveWhileTheFocusIsNotOnAButton)
{
    QWidget window;
    window.resize(300, 100);
    auto ok = startButton(&window);
    TBitBtnWithColor other(&window);
    other.setGeometry(120, 0, 109, 30);
    QLineEdit edit(&window);
    edit.setGeometry(0, 40, 100, 20);
    ok->SetDefault(true);
    showActive(window);

    edit.setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(ok->Active());
    EXPECT_EQ(grabbed(*ok).pixel(0, 0), rgb(SystemColors::WindowFrame()));

    other.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(ok->Active());
    EXPECT_TRUE(other.Active());

    edit.setFocus();
    QApplication::processEvents();
    ok->SetDefault(false);
    EXPECT_FALSE(ok->Active());
}

TEST(ButtonRepaint, SettingColorToItsOwnValuePaintsNothing)
{
    QWidget window;
    window.resize(200, 100);
    auto button = startButton(&window);
    showActive(window);
    QApplication::processEvents();
    PaintCounter paints(button.get());

    button->SetColor(clGreen);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);

    button->SetColor(clRed);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
    EXPECT_EQ(grabbed(*button).pixel(3, 3), rgb(clRed));

    // The other setters compare first too.
    paints.count = 0;
    button->SetLayout(blGlyphLeft);
    button->SetMargin(-1);
    button->SetSpacing(4);
    button->SetStyle(bsAutoDetect);
    button->SetNumGlyphs(1);
    button->SetCaption(QStringLiteral("&START"));
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
}

TEST(ButtonProperties, OutOfRangeValues)
{
    TBitBtnWithColor button;
    EXPECT_EQ(button.Margin(), -1);
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_EQ(button.NumGlyphs(), 1);
    EXPECT_EQ(button.Layout(), blGlyphLeft);
    EXPECT_EQ(button.Style(), bsAutoDetect);
    EXPECT_EQ(button.Kind(), bkCustom);
    EXPECT_EQ(button.Color(), SystemColors::BtnFace());

    button.SetMargin(3);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), 3);
    button.SetMargin(-1);
    EXPECT_EQ(button.Margin(), -1);

    button.SetNumGlyphs(7);
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetNumGlyphs(0);
    button.SetNumGlyphs(-3);
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetNumGlyphs(2);
    EXPECT_EQ(button.NumGlyphs(), 2);
}

TEST(ButtonProperties, AreQtPropertiesOfTheSameName)
{
    TBitBtnWithColor button;
    EXPECT_TRUE(button.setProperty("Color", clYellow));
    EXPECT_EQ(button.Color(), clYellow);
    EXPECT_TRUE(button.setProperty("Caption", QStringLiteral("&LAP")));
    EXPECT_EQ(button.text(), QStringLiteral("&LAP"));
    EXPECT_TRUE(button.setProperty("Kind", QVariant::fromValue(bkYes)));
    EXPECT_EQ(button.property("Kind").value<TBitBtnWithColorKind>(), bkYes);
    EXPECT_EQ(button.property("ModalResult").toInt(), 6);
    EXPECT_TRUE(button.property("Default").toBool());
    EXPECT_TRUE(button.setProperty("Layout", QVariant::fromValue(blGlyphTop)));
    EXPECT_EQ(button.Layout(), blGlyphTop);
    EXPECT_TRUE(button.setProperty("Enabled", false));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.property("NumGlyphs").toInt(), 2);
}

TEST(ButtonProperties, ShowHintFollowsTheParentUntilSet)
{
    QWidget window;
    QWidget panel(&window);
    TBitBtnWithColor button(&panel);
    EXPECT_TRUE(button.ParentShowHint());
    EXPECT_TRUE(button.ShowHint()); // no ancestor says otherwise
    window.setProperty("ShowHint", false);
    EXPECT_FALSE(button.ShowHint());
    panel.setProperty("ShowHint", true);
    EXPECT_TRUE(button.ShowHint());

    button.SetShowHint(false);
    EXPECT_FALSE(button.ParentShowHint());
    EXPECT_FALSE(button.ShowHint());
    button.SetParentShowHint(true);
    EXPECT_TRUE(button.ShowHint());
}

TEST(ButtonGlyphProperty, WidthAMultipleOfHeightSetsNumGlyphs)
{
    TBitBtnWithColor button;
    QImage bitmap(48, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    button.SetGlyph(bitmap);
    EXPECT_EQ(button.NumGlyphs(), 3);
    EXPECT_EQ(button.ButtonGlyph().TransparentColor(), QColor(Qt::red));

    QImage five(80, 16, QImage::Format_RGB32);
    five.fill(Qt::blue);
    button.SetGlyph(five);
    EXPECT_EQ(button.NumGlyphs(), 1);

    button.SetNumGlyphs(2);
    QImage odd(30, 16, QImage::Format_RGB32);
    odd.fill(Qt::blue);
    button.SetGlyph(odd);
    EXPECT_EQ(button.NumGlyphs(), 2);

    button.SetGlyph(QImage());
    EXPECT_TRUE(button.Glyph().isNull());
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_FALSE(grabbed(button).isNull());
}

struct KindCase
{
    TBitBtnWithColorKind kind;
    const char *caption;
    int modalResult;
    bool isDefault;
    bool isCancel;
};

class ButtonKind : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(ButtonKind, SetsCaptionGlyphModalResultDefaultAndCancel)
{
    const KindCase &c = GetParam();
    TBitBtnWithColor button;
    button.SetKind(c.kind);
    EXPECT_EQ(button.Kind(), c.kind);
    EXPECT_EQ(button.Caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(button.ModalResult(), c.modalResult);
    EXPECT_EQ(button.Default(), c.isDefault);
    EXPECT_EQ(button.Cancel(), c.isCancel);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph(), StockGlyphs::Bitmap(c.kind));

    // A new face colour keeps the kind.
    button.SetColor(clRed);
    EXPECT_EQ(button.Kind(), c.kind);
}

TEST_P(ButtonKind, ReadsCustomOnceAStockValueChanged)
{
    const KindCase &c = GetParam();
    const std::function<void(TBitBtnWithColor &)> changes[] = {
        [](TBitBtnWithColor &b) { b.SetDefault(!b.Default()); },
        [](TBitBtnWithColor &b) { b.SetCancel(!b.Cancel()); },
        [](TBitBtnWithColor &b) { b.SetModalResult(b.ModalResult() + 1); },
        [](TBitBtnWithColor &b) { b.SetGlyph(b.Glyph()); },
    };
    for (const auto &change : changes) {
        TBitBtnWithColor button;
        button.SetKind(c.kind);
        change(button);
        EXPECT_EQ(button.Kind(), bkCustom);
        // Choosing the kind again makes it a stock button again.
        button.SetKind(c.kind);
        EXPECT_EQ(button.Kind(), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ButtonKind,
    ::testing::Values(KindCase{bkOK, "OK", 1, true, false}, KindCase{bkCancel, "Abbrechen", 2, false, true},
                      KindCase{bkHelp, "&Hilfe", 0, false, false}, KindCase{bkYes, "&Ja", 6, true, false},
                      KindCase{bkNo, "&Nein", 7, false, true},
                      KindCase{bkClose,
                               "&Schlie\xc3\x9f"
                               "en",
                               0, false, false},
                      KindCase{bkAbort, "Ab&bruch", 3, false, false},
                      KindCase{bkRetry, "&Wiederholen", 4, false, false},
                      KindCase{bkIgnore, "&Ignorieren", 5, false, false}, KindCase{bkAll, "&Alle", 8, false, false}));

TEST(ButtonKindCustom, KeepsCaptionAndGlyph)
{
    TBitBtnWithColor button;
    button.SetKind(bkOK);
    button.SetCaption(QStringLiteral("Gut"));
    button.SetKind(bkCustom);
    EXPECT_EQ(button.Kind(), bkCustom);
    EXPECT_EQ(button.Caption(), QStringLiteral("Gut"));
    EXPECT_EQ(button.Glyph(), StockGlyphs::Bitmap(bkOK));
    EXPECT_TRUE(button.Default());
}

TEST(ButtonClick, CloseKindClosesItsWindowWithoutOnClick)
{
    QWidget window;
    window.resize(200, 100);
    TBitBtnWithColor button(&window);
    button.SetKind(bkClose);
    int clicks = 0;
    button.OnClick = [&](QObject *) { ++clicks; };
    window.show();
    ASSERT_TRUE(window.isVisible());
    button.click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(clicks, 0);

    // Without a window to close it clicks like any button.
    TBitBtnWithColor alone;
    alone.SetKind(bkClose);
    QObject *sender = nullptr;
    alone.OnClick = [&](QObject *s) { sender = s; };
    alone.click();
    EXPECT_EQ(sender, &alone);
}

TEST(ButtonClick, HelpKindShowsTheNearestHelpInsteadOfOnClick)
{
    QWidget window;
    QWidget panel(&window);
    TBitBtnWithColor button(&panel);
    button.SetKind(bkHelp);
    int clicks = 0;
    button.OnClick = [&](QObject *) { ++clicks; };
    button.click();
    EXPECT_EQ(clicks, 1);

    panel.setWhatsThis(QStringLiteral("Hier steht die Hilfe."));
    button.click();
    EXPECT_EQ(clicks, 1);
}

TEST(ButtonClick, ModalResultGoesToTheDialog)
{
    QDialog dialog;
    TBitBtnWithColor ok(&dialog);
    ok.SetKind(bkOK);
    int clicks = 0;
    ok.OnClick = [&](QObject *) { ++clicks; };
    QTimer::singleShot(0, &ok, &QAbstractButton::click);
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(clicks, 1);

    // A dialog that is not modal only takes the result, 0 included.
    QDialog modeless;
    TBitBtnWithColor retry(&modeless);
    retry.SetModalResult(4);
    TBitBtnWithColor none(&modeless);
    modeless.show();
    retry.click();
    EXPECT_EQ(modeless.result(), 4);
    EXPECT_TRUE(modeless.isVisible());
    none.click();
    EXPECT_EQ(modeless.result(), 0);
}

TEST(ButtonClick, EscapeClicksTheCancelButton)
{
    QWidget window;
    window.resize(200, 100);
    QLineEdit edit(&window);
    TBitBtnWithColor cancel(&window);
    cancel.setGeometry(0, 40, 109, 30);
    cancel.SetKind(bkCancel);
    int clicks = 0;
    cancel.OnClick = [&](QObject *) { ++clicks; };
    showActive(window);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);

    cancel.SetCancel(false);
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
}

TEST(ButtonClick, DoubleClickGivesTwoClicks)
{
    auto button = startButton();
    button->SetCaption(QStringLiteral("&LAP"));
    int clicks = 0;
    button->OnClick = [&](QObject *) { ++clicks; };
    const QPointF at(50, 15);
    const auto send = [&](QEvent::Type type) {
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button.get(), &event);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks, 2);
}

TEST(ButtonClick, DisabledButtonIgnoresMouseAndKeys)
{
    QWidget window;
    auto button = startButton(&window);
    int clicks = 0;
    button->OnClick = [&](QObject *) { ++clicks; };
    showActive(window);
    button->setFocus();
    button->SetEnabled(false);
    QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    QTest::keyClick(button.get(), Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
    button->SetEnabled(true);
    button->setFocus();
    QTest::keyClick(button.get(), Qt::Key_Space);
    QTest::keyClick(button.get(), Qt::Key_Return);
    QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_EQ(clicks, 3);
}

TEST(ButtonFocusEvents, EnterAndExit)
{
    QWidget window;
    QLineEdit edit(&window);
    auto button = startButton(&window);
    QStringList log;
    button->OnEnter = [&](QObject *) { log << QStringLiteral("enter"); };
    button->OnExit = [&](QObject *) { log << QStringLiteral("exit"); };
    showActive(window);
    edit.setFocus();
    button->setFocus();
    edit.setFocus();
    EXPECT_EQ(log, (QStringList{QStringLiteral("enter"), QStringLiteral("exit")}));
}

// The four command buttons of the main window in each state, written as
// PNGs for a person to look at, one file per picture and one sheet of all.
TEST(ButtonPictures, MainWindowButtons)
{
    struct Command
    {
        const char *name;
        const char *caption;
        QColor fontColor;
        QColor face; // while the button is the next command
    };
    const Command commands[] = {
        {"start", "&START", clYellow, clGreen},
        {"lap", "&LAP", clBlack, clYellow},
        {"stop", "STOP&P", clYellow, clRed},
        {"reset", "&0:00", clYellow, clBlack},
    };
    const char *states[] = {"normal", "pressed", "focused", "disabled"};

    QImage sheet(4 * 119 + 10, 4 * 40 + 10, QImage::Format_RGB32);
    sheet.fill(SystemColors::BtnFace());
    QPainter sheetPainter(&sheet);
    for (int row = 0; row < 4; ++row) {
        const Command &command = commands[row];
        for (int column = 0; column < 4; ++column) {
            const QString state = QString::fromLatin1(states[column]);
            QWidget window;
            window.resize(113, 34);
            QLineEdit elsewhere(&window);
            elsewhere.setGeometry(0, 32, 10, 2);
            auto button = startButton(&window);
            button->SetCaption(QString::fromUtf8(command.caption));
            setFontColor(*button, command.fontColor);
            button->SetColor(command.face);
            showActive(window);
            elsewhere.setFocus();
            if (state == QLatin1String("pressed") || state == QLatin1String("focused"))
                button->setFocus();
            if (state == QLatin1String("pressed"))
                button->setDown(true);
            if (state == QLatin1String("disabled")) {
                // The main window greys a button out together with its face.
                button->SetEnabled(false);
                button->SetColor(SystemColors::BtnFace());
            }
            QApplication::processEvents();
            const QString name = QStringLiteral("button_%1_%2").arg(QString::fromLatin1(command.name), state);
            EXPECT_TRUE(QFile::exists(saveTestPng(button.get(), name))) << name.toStdString();
            sheetPainter.drawImage(10 + column * 119, 10 + row * 40, grabbed(*button));
        }
    }
    sheetPainter.end();
    QLabel label;
    label.setPixmap(QPixmap::fromImage(sheet));
    label.resize(sheet.size());
    EXPECT_TRUE(QFile::exists(saveTestPng(&label, QStringLiteral("buttons_main_window"))));
}

// Every stock kind, up and disabled, on the plain face and on a colour.
TEST(ButtonPictures, StockKinds)
{
    QImage sheet(2 * 250 + 10, 10 * 40 + 10, QImage::Format_RGB32);
    sheet.fill(SystemColors::BtnFace());
    QPainter sheetPainter(&sheet);
    for (int kind = bkOK; kind <= bkAll; ++kind) {
        TBitBtnWithColor button;
        button.resize(115, 34);
        button.SetKind(TBitBtnWithColorKind(kind));
        const int y = 10 + (kind - 1) * 40;
        sheetPainter.drawImage(10, y, grabbed(button));
        button.SetEnabled(false);
        sheetPainter.drawImage(130, y, grabbed(button));
        button.SetEnabled(true);
        button.SetColor(QColor(255, 255, 160));
        sheetPainter.drawImage(260, y, grabbed(button));
        button.SetEnabled(false);
        sheetPainter.drawImage(380, y, grabbed(button));
    }
    sheetPainter.end();
    QLabel label;
    label.setPixmap(QPixmap::fromImage(sheet));
    label.resize(sheet.size());
    EXPECT_TRUE(QFile::exists(saveTestPng(&label, QStringLiteral("buttons_stock_kinds"))));
}

} // namespace
