#pragma once
// What the window benchmarks share: a main that runs Google Benchmark inside a
// QApplication (offscreen unless a platform is chosen), with every modal question
// answered without blocking. Pages measured on their own sit on the tests' recording
// host (support/RecordingPageHost.h).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "support/RecordingPageHost.h"
#include "widgets/Prompt.h"

// Gives the window's command named `name` (its action's object name).
inline void Trigger(QObject& window, const char* name) {
  window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

inline int RunGuiBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Prompt::SetScripted(true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
