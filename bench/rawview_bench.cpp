// Raw view speed and memory: a 50 MB file loaded into the raw view, scrolled
// to its end and saved back, with the seconds of each step and the peak
// memory of the process. A plain program that prints its figures.
#include "bench_table.h"
#include "event_guard.h"
#include "open_raw_view.h"
#include "raw_file.h"
#include "scripted_dialog_service.h"
#include "table_edits.h"
#include "table_bytes.h"
#include "view_2_form.h"

#include <QApplication>
#include <QScrollBar>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Megabytes(int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// The peak resident size so far (VmHWM of /proc/self/status), in bytes.
int64_t PeakBytes() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atoll(line.c_str() + 6) * 1024;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testsupport::TempDir dir;
  // 525,000 records of 100 bytes: a table of 50 MB.
  const bench::BenchTable table = bench::WriteBenchTable(dir.Path("big.dbf"), 525000, 7);
  std::printf("file: %.1f MB, %lld rows of 16\n", Megabytes(table.fileSize),
              static_cast<long long>((table.fileSize + 15) / 16));

  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard(dialogs, ui::ExitProcessNow);
  rawview::CreateRawView(guard);
  const int64_t peakBefore = PeakBytes();

  auto start = std::chrono::steady_clock::now();
  rawview::OpenRawView(nullptr, 2, table.path);
  QApplication::processEvents();  // lays the window out and draws it, as the event loop would
  const double load = Seconds(start);
  rawview::TView_2_Form& view = *rawview::View_2_Form;
  const int64_t peakAfter = PeakBytes();

  start = std::chrono::steady_clock::now();
  // 200 jumps spread over the whole table, each drawn at once.
  QScrollBar* bar = view.StringGrid1->verticalScrollBar();
  for (int step = 0; step <= 200; ++step) {
    bar->setValue(static_cast<int>(static_cast<int64_t>(bar->maximum()) * step / 200));
    view.StringGrid1->viewport()->repaint();
  }
  const double scroll = Seconds(start);

  start = std::chrono::steady_clock::now();
  view.N6Click();
  const double save = Seconds(start);

  std::printf("raw view: load %.3f s (target under 3 s: %s), %d grid rows\n", load, load < 3 ? "met" : "MISSED",
              view.StringGrid1->RowCount());
  std::printf("scrolling: 200 jumps over the table, each repainted: %.3f s; ended at scroll position %d of %d\n",
              scroll, bar->value(), bar->maximum());
  std::printf("save: %.3f s (%s)\n", save, dialogs.messages.empty() ? "no message" : dialogs.messages.back().c_str());
  std::printf("peak memory (VmHWM): %.1f MB before loading, %.1f MB after; %.2f bytes per file byte\n",
              Megabytes(peakBefore), Megabytes(peakAfter),
              static_cast<double>(peakAfter - peakBefore) / static_cast<double>(table.fileSize));
  delete rawview::View_2_Form.data();

  rawview::RawDocument doc;
  start = std::chrono::steady_clock::now();
  rawview::LoadFile(table.path, doc);
  std::printf("character table alone, without the window: load %.3f s\n", Seconds(start));
  // Edits at the start move every cell of the table.
  start = std::chrono::steady_clock::now();
  const int32_t newLength = rawview::SetNewSizeTable(doc, 1);
  rawview::SdvigTableToEnd(doc, 1, 1, "32", newLength);
  const double insert = Seconds(start);
  start = std::chrono::steady_clock::now();
  rawview::DeleteChars(doc, 1, 1);
  std::printf("insert one character at the start: %.3f s; delete it again: %.3f s\n", insert, Seconds(start));
  return 0;
}
