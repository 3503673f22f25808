// The raw view on a 50 MB file (about 3.3 million rows of 16 codes): loading
// it into the window with the first drawing (target on a 2-core machine:
// under 3 s; bytes_per_file_byte is the process's peak growth per byte of the
// file), jumping through it, saving it, and moving every cell by an insert
// and a delete at its start. Usage: rawview_bench [Google Benchmark flags]
#include "bench_support.h"
#include "event_guard.h"
#include "open_raw_view.h"
#include "raw_file.h"
#include "scripted_dialog_service.h"
#include "table_edits.h"
#include "view_2_form.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

// 525,000 records of 100 bytes: a file of 50 MB.
const bench::BenchTable& File() { return bench::SharedBenchTable(525000, 7); }

rawview::TView_2_Form& View() { return *rawview::View_2_Form; }

void BM_OpenRawView(benchmark::State& state) {
  const bool reset = bench::ResetPeakMemory();
  const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
  for (auto _ : state) {
    rawview::OpenRawView(nullptr, 2, File().path);
    QApplication::processEvents();  // lays the window out and draws it, as the event loop would
  }
  state.SetBytesProcessed(state.iterations() * File().fileSize);
  state.counters["rows"] = View().StringGrid1->RowCount();
  state.counters["bytes_per_file_byte"] =
      static_cast<double>(bench::ProcStatusBytes("VmHWM") - before) / static_cast<double>(File().fileSize);
}

// 200 jumps spread over the whole table, each drawn at once.
void BM_ScrollThroughTheFile(benchmark::State& state) {
  QScrollBar* bar = View().StringGrid1->verticalScrollBar();
  for (auto _ : state) {
    for (int step = 0; step <= 200; ++step) {
      bar->setValue(static_cast<int>(static_cast<int64_t>(bar->maximum()) * step / 200));
      View().StringGrid1->viewport()->repaint();
    }
  }
}

void BM_SaveTheFile(benchmark::State& state) {
  for (auto _ : state) View().N6Click();
  state.SetBytesProcessed(state.iterations() * File().fileSize);
}

// An insert and a delete of one character at the start move every cell.
void BM_InsertAndDeleteAtStart(benchmark::State& state) {
  rawview::RawDocument doc;
  rawview::LoadFile(File().path, doc);
  for (auto _ : state) {
    const int32_t newLength = rawview::SetNewSizeTable(doc, 1);
    rawview::SdvigTableToEnd(doc, 1, 1, "32", newLength);
    rawview::DeleteChars(doc, 1, 1);
  }
}

}  // namespace

BENCHMARK(BM_OpenRawView)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScrollThroughTheFile)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveTheFile)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_InsertAndDeleteAtStart)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard(dialogs, ui::ExitProcessNow);
  ui::FileServices files;
  rawview::CreateRawView(guard, files);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete rawview::View_2_Form.data();
  return 0;
}
