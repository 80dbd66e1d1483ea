#include "view/home/home_page.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;

const Day Today = year(2026) / December / 7;

// What the page shows a learner of 200 lists who practised every day of the past year.
PracticeOverview BusyLearner() {
    PracticeOverview overview;
    overview.today = Today;
    overview.goal = 20;
    overview.practisedToday = 12;
    overview.summary.dueNow = 5250;
    for (int daysAgo = 365; daysAgo >= 0; --daysAgo) {
        overview.days.push_back({Today - days(daysAgo), 20 + daysAgo % 30});
    }
    overview.streaks = StreaksOf(overview.days, Today);
    for (int list = 0; list < 200; ++list) {
        const std::string name = "list " + std::to_string(list);
        overview.lists.push_back({"/lists/" + name + ".txt", "Words of " + name,
                                  std::to_string(list), 500, list % 50, 250, 1796000000 + list * 60,
                                  list % 10 != 0});
    }
    SortStandings(overview.lists);
    return overview;
}

// The page made, filled and painted once, as the window opens on it; well under 100 ms.
void ShowTheHomePage(benchmark::State& run) {
    const PracticeOverview overview = BusyLearner();
    QImage canvas(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        HomePage page;
        page.resize(canvas.size());
        page.show();
        page.Show(overview, {"/usr/share/glossatiles/examples/animals.txt"}, false);
        page.render(&canvas);
    }
}
BENCHMARK(ShowTheHomePage)->Unit(benchmark::kMillisecond);

} // namespace
