// The window outline of the built-in 723 × 565 main picture: the whole ApplyWindowShape (scan,
// region, mask on a real widget), the scan into rectangles alone, and a plain scan of the same pixels
// that only counts the runs — the least any outline must cost.

#include "player/picture-box.h"
#include "player/skins/SkinForm.h"
#include "player/skins/builtin-skin.h"
#include "player/skins/window-shape.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

const QPixmap &MainPicture() {
    static const QPixmap picture = player::BuiltInImage(QStringLiteral("Main.bmp"));
    return picture;
}

void BM_ApplyWindowShape(benchmark::State &state) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    PictureBox picture(&window);
    for (auto _ : state) {
        picture.setPicture(MainPicture()); // the routine clears it
        std::int32_t key = 0;
        SkinForm::ApplyWindowShape(window, picture, key);
        benchmark::DoNotOptimize(window.mask());
    }
}
BENCHMARK(BM_ApplyWindowShape)->Unit(benchmark::kMillisecond);

void BM_ShapeRectangles(benchmark::State &state) {
    const QImage image = MainPicture().toImage();
    for (auto _ : state) {
        std::int32_t key = 0;
        benchmark::DoNotOptimize(skins::ShapeRegion(skins::ShapeRectangles(image, key)));
    }
}
BENCHMARK(BM_ShapeRectangles)->Unit(benchmark::kMillisecond);

void BM_CountRuns(benchmark::State &state) {
    const QImage image = MainPicture().toImage().convertToFormat(QImage::Format_RGB32);
    for (auto _ : state) {
        const QRgb key = image.pixel(0, 0) & 0xFFFFFF;
        const int width = image.width();
        long runs = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            int x = 0;
            while (x < width) {
                while (x < width && (row[x] & 0xFFFFFF) == key)
                    ++x;
                if (x >= width)
                    break;
                ++runs;
                while (x < width && (row[x] & 0xFFFFFF) != key)
                    ++x;
            }
        }
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(BM_CountRuns)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
