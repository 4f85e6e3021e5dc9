#pragma once
// What the window benchmarks share: a sheet stand-in for pages measured on their own,
// and a main that runs Google Benchmark inside a QApplication (offscreen unless a
// platform is chosen), with every modal question answered without blocking.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/PageHost.h"
#include "widgets/Prompt.h"

class IdlePageHost : public PageHost {
 public:
  CPageSatTP* SatTPPage() override { return nullptr; }
  CPageGroupCh* GroupChPage() override { return nullptr; }
  void PopupContextMenu(ContextMenu, const QPoint&) override {}
  void SendCommand(int) override {}
  int DbType() const override { return 3; }
};

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
