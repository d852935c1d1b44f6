// Benchmarks of the schedule grid: re-reading a week of five resources through the real feed
// against growing databases, the whole-window read it replaces, and painting a full view.
#include "benchdatabase.h"
#include "data/connection.h"
#include "data/schedulerange.h"
#include "schedule/dayschedulefeed.h"
#include "schedule/plannergrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

ResourceMap fiveResources()
{
    return buildResourceMap(
        0, 4, [](int k) -> std::optional<QString> { return QStringLiteral("Ressource %1").arg(k); });
}

// A week of five resources side by side (35 columns) in 5-minute rows, 07:00 to 18:55.
void showWeek(PlannerGrid &grid, const QDate &monday)
{
    grid.setMode(Mode::dmMultiDayRes);
    grid.setNumberOfDays(7);
    grid.setNumberOfResources(5);
    grid.setDay(monday);
    grid.setDisplayScale(12);
    grid.ApplyTimeLayout({ 5, 14, 37 }, LoadOpeningHours({}, false));
}

void BM_Reread(benchmark::State &state)
{
    const BenchDatabase &bench = BenchDatabase::get(int(state.range(0)));
    Connection connection;
    connection.openSqliteFile(bench.path);
    PlannerGrid grid;
    showWeek(grid, bench.middleMonday());
    DayScheduleFeed feed(&grid);
    feed.setDatabase(connection.database());
    feed.setResourceWindow(0, 4);
    feed.setResourceMap(fiveResources());
    feed.setActive(true);
    for (auto _ : state) {
        feed.reread();
        benchmark::DoNotOptimize(grid.blocks().data());
    }
    state.counters["blocks"] = double(grid.blocks().size());
}

void BM_RereadFullWindow(benchmark::State &state)
{
    const BenchDatabase &bench = BenchDatabase::get(int(state.range(0)));
    Connection connection;
    connection.openSqliteFile(bench.path);
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<ScheduleRow> all = readScheduleWindow(connection.database(), 0, 4);
        rows = all.size();
        benchmark::DoNotOptimize(all.data());
    }
    state.counters["rows"] = double(rows);
}

void BM_PaintFullView(benchmark::State &state)
{
    const BenchDatabase &bench = BenchDatabase::get(100000);
    Connection connection;
    connection.openSqliteFile(bench.path);
    PlannerGrid grid;
    grid.resize(1920, 1080);
    showWeek(grid, bench.middleMonday());
    DayScheduleFeed feed(&grid);
    feed.setDatabase(connection.database());
    feed.setResourceWindow(0, 4);
    feed.setResourceMap(fiveResources());
    feed.setActive(true);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        grid.paintView(painter, QRectF(0, 0, image.width(), image.height()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["blocks"] = double(grid.blocks().size());
    state.counters["rows"] = double(grid.timeLayout().rowCount());
}

} // namespace

BENCHMARK(BM_Reread)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RereadFullWindow)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFullView)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
