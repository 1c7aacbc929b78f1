#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include "engine/dates.h"
#include "engine/regional_settings.h"

namespace pecunor::bench {

inline const DayNumber today = *dayNumberOf(2026, 12, 7);

// US conventions, as the figures of the README use them.
inline RegionalSettings usRegional()
{
    RegionalSettings regional;
    regional.currencySymbol = "$";
    regional.negativeCurrencyPattern = 1;
    regional.currencyDecimals = 2;
    regional.shortDateFormat = "M/d/yy";
    return regional;
}

// The benchmarks of a program with widgets, without a display.
inline int runOffscreenBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace pecunor::bench
