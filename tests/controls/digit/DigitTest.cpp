#include "PaintCounter.h"
#include "Udigit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaProperty>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

namespace {

const QColor Black(0, 0, 0);
const QColor Yellow(255, 255, 0);

// A digit on a shown window, with everything pending already painted.
class ShownDigit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        digit = new TDigit(&window);
        window.resize(100, 120);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        paints = new PaintCounter(digit);
    }

    // Paints that happened after the write returned.
    int paintsLater()
    {
        const int before = paints->count;
        QCoreApplication::processEvents();
        return paints->count - before;
    }

    QWidget window;
    TDigit *digit = nullptr;
    PaintCounter *paints = nullptr;
};

} // namespace

TEST(Digit, ConstructionValues)
{
    TDigit digit;
    EXPECT_EQ(digit.property("Value").toInt(), 0);
    EXPECT_EQ(digit.property("ValueBinary").toInt(), 125);
    EXPECT_EQ(digit.property("BorderStyle").value<TDigit::TBorderStyle>(), TDigit::bsSingle);
    EXPECT_EQ(digit.property("ColorOff").value<QColor>(), Black);
    EXPECT_EQ(digit.property("ColorOn").value<QColor>(), Yellow);
    EXPECT_EQ(digit.property("Separation").toInt(), 1);
    EXPECT_EQ(digit.property("Thickness").toInt(), 2);
    EXPECT_EQ(digit.property("Color").value<QColor>(), Black);
    EXPECT_FALSE(digit.property("ParentColor").toBool());
    EXPECT_EQ(digit.size(), QSize(16, 32));
    EXPECT_EQ(digit.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(digit.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(digit.OnOverflow);

    // Own properties in declaration order.
    const QMetaObject *meta = digit.metaObject();
    const char *const names[]
        = {"Value", "ValueBinary", "BorderStyle", "ColorOff", "ColorOn", "Separation", "Thickness"};
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(meta->property(meta->propertyOffset() + i).name(), names[i]);
}

TEST(Digit, ValueShowsItsPattern)
{
    TDigit digit;
    const int patterns[] = {125, 80, 55, 87, 90, 79, 111, 81, 127, 95};
    for (int v : {3, 9, 1, 8, 0, 5, 2, 7, 4, 6}) {
        digit.setProperty("Value", v);
        EXPECT_EQ(digit.Value(), v);
        EXPECT_EQ(digit.ValueBinary(), patterns[v]) << "value " << v;
    }
}

TEST(Digit, OutOfRangeValueBecomesZeroAndReportsOverflow)
{
    for (int start : {0, 5}) {
        for (int v : {12, -1, 10, INT_MIN, INT_MAX}) {
            TDigit digit;
            digit.setValue(start);
            std::vector<QObject *> senders;
            digit.OnOverflow = [&](QObject *sender) {
                EXPECT_EQ(digit.Value(), 0); // already zero when notified
                senders.push_back(sender);
            };
            digit.setValue(v);
            EXPECT_EQ(senders, std::vector<QObject *>{&digit}) << start << " -> " << v;
            EXPECT_EQ(digit.Value(), 0);
            EXPECT_EQ(digit.ValueBinary(), 125);
        }
    }
}

TEST(Digit, OverflowHandlerMaySetTheValueShown)
{
    TDigit digit;
    digit.OnOverflow = [](QObject *sender) { static_cast<TDigit *>(sender)->setValue(7); };
    digit.setValue(42);
    EXPECT_EQ(digit.Value(), 7);
    EXPECT_EQ(digit.ValueBinary(), 81);
}

TEST(Digit, PatternWriteLeavesValueAlone)
{
    TDigit digit;
    digit.setValue(3);
    digit.setValueBinary(0);
    EXPECT_EQ(digit.Value(), 3);
    digit.setValue(3); // the same value: the blank pattern stays
    EXPECT_EQ(digit.ValueBinary(), 0);
    digit.setValue(4);
    EXPECT_EQ(digit.ValueBinary(), 90);
    digit.setProperty("ValueBinary", 255);
    EXPECT_EQ(digit.ValueBinary(), 255);
    EXPECT_EQ(digit.Value(), 4);
}

TEST(Digit, ThicknessIsBoundByHalfTheCurrentSize)
{
    const struct
    {
        QSize size;
        int largest;
    } cases[] = {{{16, 32}, 8}, {{45, 89}, 22}, {{17, 100}, 8}, {{60, 21}, 10}, {{0, 0}, 0}};
    for (const auto &c : cases) {
        TDigit digit;
        digit.resize(c.size);
        digit.setThickness(c.largest + 1);
        EXPECT_EQ(digit.Thickness(), 2) << c.size.width() << 'x' << c.size.height();
        digit.setThickness(c.largest);
        EXPECT_EQ(digit.Thickness(), c.largest) << c.size.width() << 'x' << c.size.height();
    }

    TDigit digit;
    digit.setThickness(-3); // no lower bound
    EXPECT_EQ(digit.Thickness(), -3);
    digit.resize(45, 89);
    digit.setThickness(5);
    digit.resize(8, 8); // shrinking does not re-check the stored value
    EXPECT_EQ(digit.Thickness(), 5);
    digit.setThickness(5);
    EXPECT_EQ(digit.Thickness(), 5);
}

TEST(Digit, SeparationTakesAnyValue)
{
    TDigit digit;
    for (int s : {0, -7, 1000, INT_MIN, INT_MAX}) {
        digit.setSeparation(s);
        EXPECT_EQ(digit.Separation(), s);
        digit.grab(); // painting absurd settings is safe
    }
}

TEST_F(ShownDigit, WritingWhatIsShownPaintsNothing)
{
    const std::vector<std::pair<const char *, std::function<void()>>> writes = {
        {"Value", [&] { digit->setValue(0); }},
        {"ValueBinary", [&] { digit->setValueBinary(125); }},
        {"ColorOn", [&] { digit->setColorOn(QColor(255, 255, 0)); }},
        {"ColorOn by name", [&] { digit->setColorOn(Qt::yellow); }},
        {"ColorOff", [&] { digit->setColorOff(Qt::black); }},
        {"BorderStyle", [&] { digit->setBorderStyle(TDigit::bsSingle); }},
        {"Color", [&] { digit->setColor(Qt::black); }},
        {"Thickness refused", [&] { digit->setThickness(9); }},
    };
    for (const auto &[name, write] : writes) {
        write();
        EXPECT_EQ(paints->count, 0) << name;
        EXPECT_EQ(paintsLater(), 0) << name;
    }
}

TEST_F(ShownDigit, ChangesPaintOnceBeforeTheSetterReturns)
{
    const std::vector<std::pair<const char *, std::function<void()>>> writes = {
        {"Value", [&] { digit->setValue(6); }},
        {"Value overflow", [&] { digit->setValue(60); }},
        {"ValueBinary", [&] { digit->setValueBinary(128); }},
        {"ColorOn", [&] { digit->setColorOn(QColor(64, 64, 64)); }},
        {"ColorOff", [&] { digit->setColorOff(QColor(0, 0, 128)); }},
        {"BorderStyle", [&] { digit->setBorderStyle(TDigit::bsNone); }},
    };
    for (const auto &[name, write] : writes) {
        const int before = paints->count;
        write();
        EXPECT_EQ(paints->count - before, 1) << name;
        EXPECT_EQ(paintsLater(), 0) << name;
    }
}

TEST_F(ShownDigit, GeometryWritesRequestOnePaintLater)
{
    const std::vector<std::pair<const char *, std::function<void()>>> writes = {
        {"Thickness", [&] { digit->setThickness(3); }},
        {"Thickness unchanged", [&] { digit->setThickness(3); }},
        {"Separation", [&] { digit->setSeparation(2); }},
        {"Separation unchanged", [&] { digit->setSeparation(2); }},
        {"Color", [&] { digit->setColor(QColor(0, 0, 128)); }},
    };
    for (const auto &[name, write] : writes) {
        const int before = paints->count;
        write();
        EXPECT_EQ(paints->count - before, 0) << name;
        EXPECT_EQ(paintsLater(), 1) << name;
    }
}
