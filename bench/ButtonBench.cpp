#include "BenchSupport.h"
#include "ButtonWithColor.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void makeStartButton(TBitBtnWithColor &button)
{
    button.resize(109, 30);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    button.setFont(font);
    button.SetCaption(QStringLiteral("&START"));
}

} // namespace

// Every start, lap, stop and reset recolours and repaints the command buttons.
static void BM_PaintCommandButton(benchmark::State &state)
{
    TBitBtnWithColor button;
    makeStartButton(button);
    QImage target(button.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        button.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_PaintCommandButton);

// A colour change drops the glyph images; the next paint rebuilds one.
static void BM_RecolourGlyphButton(benchmark::State &state)
{
    TBitBtnWithColor button;
    makeStartButton(button);
    button.SetKind(bkOK);
    QImage target(button.size(), QImage::Format_RGB32);
    bool red = false;
    for (auto _ : state) {
        button.SetColor(red ? QColor(255, 0, 0) : QColor(0, 128, 0));
        red = !red;
        button.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_RecolourGlyphButton);

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
