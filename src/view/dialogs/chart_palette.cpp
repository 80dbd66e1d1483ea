#include "view/dialogs/chart_palette.h"

#include <QChart>
#include <QPalette>

void FollowPalette(QChart& chart, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    // A theme sets the series' colours too; only the background is the desktop's own.
    chart.setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart.setBackgroundBrush(palette.brush(QPalette::Window));
}
