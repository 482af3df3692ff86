// How long the help window takes to show a large help file: reading, the
// document filled and laid out, for files of one paragraph of bold and
// italic runs (the worst shape before the document was filled in one go).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <fstream>

#include "platform/help_window.h"

namespace anglewise {
namespace {

std::string oneParagraph(size_t bytes) {
  std::string rtf = "{\\rtf1\\ansi ";
  for (int i = 0; rtf.size() < bytes; ++i) rtf += i % 2 ? "\\b bold\\b0 " : "\\i italic\\i0 ";
  return rtf + "\\par}";
}

void BM_ShowHelpFile(benchmark::State& bench) {
  QTemporaryDir folder;
  std::string path = folder.path().toStdString() + "/help.rtf";
  std::ofstream(path) << oneParagraph(static_cast<size_t>(bench.range(0)) << 20);
  for (auto _ : bench) {
    HelpWindow window(nullptr);
    window.LoadFile(path);
    QTextDocument* doc = window.textBox()->document();
    doc->setTextWidth(window.textBox()->viewport()->width());
    benchmark::DoNotOptimize(doc->documentLayout()->documentSize());
  }
  bench.SetLabel(std::to_string(bench.range(0)) + " MB in one paragraph");
}
BENCHMARK(BM_ShowHelpFile)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace anglewise

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
