// The main window's commands on a table of 1,000,000 records beside one of
// 20,000,000 (about 1.8 GB, near the format's usual 2 GB), run one after
// the other as a person would: opening into the grid, finding text no cell
// holds, Save of the unedited table, the column sum, CSV out, the sort
// panel, and "Удалить отмеченные" purging the tenth of the records marked.
// For each the seconds at both sizes and x_linear, the large figure against
// the small one scaled by the ratio of their sizes; beside them the same for
// the process's CPU seconds, x_cpu.
// A machine's own cost per byte is not the same for 90 MB and 1.8 GB (a
// virtual machine may give back memory it has not touched for a while), so
// the steps bound by such work also time their floor at both sizes, right
// before the step: opening a plain read into fresh memory, Save and the
// purge a crash-safe copy of the table, the sort GNU sort of its keys. Their
// x_ref, the step's x_linear over its floor's, is at most 1.2 (the sort
// 1.4, for its n log n beside a floor that is n log n too); the other steps'
// x_linear is. Opening's growth of the process against the file's size,
// x_file, stays at most 1.1 at both sizes.
// Run by hand (it needs about five times the large table's size on disk and
// its size in free memory; not part of CI):
// Usage: scale_bench [large_records [small_records]]
#include "bench_support.h"
#include "gnu_sort_reference.h"
#include "main_window_bench.h"
#include "record_search.h"
#include "record_store.h"
#include "sort_panel_keys.h"
#include "table_bytes.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Step {
  const char* name;
  double limit;     // x_ref at most, or x_linear for a step without a floor
  const char* floor;  // the floor timed right before the step, or nullptr
};

const std::vector<Step> kSteps = {{"open", 1.2, "read"},   {"find", 1.2, nullptr},    {"save", 1.2, "copy"},
                                  {"sum", 1.2, nullptr},   {"csv_out", 1.2, nullptr}, {"sort", 1.4, "gnu_sort"},
                                  {"purge", 1.2, "copy"}};

struct Figures {
  std::map<std::string, double> seconds;
  std::map<std::string, double> cpu;  // the process's CPU seconds
  std::map<std::string, double> floors;  // seconds of each step's floor, by step
  double openXFile = 0;
  std::vector<std::string> failures;
};

// Times the floor of `step` and keeps it for the step.
void MeasureFloor(Figures& figures, const char* step, const std::function<double()>& floor) {
  ::sync();
  figures.floors[step] = floor();
  std::fprintf(stderr, "  %s floor: %.3f s\n", step, figures.floors[step]);
}

// The seconds and CPU seconds of `command`, started once the writes of the
// steps before it have reached the disk, so that no step pays for another's.
void Measure(Figures& figures, const char* step, const std::function<void()>& command) {
  ::sync();
  const double cpu = bench::ProcessCpuSeconds();
  figures.seconds[step] = bench::SecondsOf(command);
  figures.cpu[step] = bench::ProcessCpuSeconds() - cpu;
  std::fprintf(stderr, "  %s: %.3f s, CPU %.3f s\n", step, figures.seconds[step], figures.cpu[step]);
}

// Times `command`, which must end with `message` as its only message.
void Timed(Figures& figures, bench::MainWindowServices& services, const char* step, const std::string& message,
           const std::function<void()>& command) {
  services.dialogs.messages.clear();
  Measure(figures, step, command);
  const std::vector<std::string>& messages = services.dialogs.messages;
  if (messages.size() != 1 || messages[0].rfind(message, 0) != 0) {
    figures.failures.push_back(std::string(step) + ": " + (messages.empty() ? "no message" : messages.back()));
  }
}

Figures RunAt(int64_t records, const testsupport::TempDir& dir) {
  Figures figures;
  const std::string path = dir.Path("scale-" + std::to_string(records) + ".dbf");
  std::fprintf(stderr, "writing %lld records...\n", static_cast<long long>(records));
  const bench::BenchTable table = bench::WriteBenchTable(path, records, 10);
  bench::MainWindowServices services;
  std::unique_ptr<TForm2> form;
  bench::ShowFreshWindow(form, services);

  MeasureFloor(figures, "open", [&] { return bench::ReadWholeFileSeconds(path); });
  const bool reset = bench::ResetPeakMemory();
  const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
  Measure(figures, "open", [&] { form->OpenAtStart(path); });
  figures.openXFile = static_cast<double>(bench::ProcStatusBytes("VmHWM") - before) / table.fileSize;
  std::fprintf(stderr, "  open x_file %.3f\n", figures.openXFile);
  QApplication::processEvents();

  const RecordSearch search({QString::fromUtf8("Нет такого"), 0, false}, form->Table().Page());
  Measure(figures, "find", [&] {
    if (search.Find(*form->Table().Rows(), {1, 1}, false)) figures.failures.push_back("find: found");
  });

  const std::string copy = dir.Path("scale-copy.dbf");
  const auto safeCopy = [&] {
    const double seconds = bench::SafeCopySeconds(path, copy);
    std::filesystem::remove(copy);
    return seconds;
  };
  MeasureFloor(figures, "save", safeCopy);
  Timed(figures, services, "save", "Сохранение выполнено!", [&] { form->Controls().Save1->trigger(); });

  form->Controls().Edit4->setText(QStringLiteral("SUM"));
  Timed(figures, services, "sum", "Сумма= ", [&] { form->Controls().Button4->click(); });

  const std::string csv = dir.Path("scale.csv");
  services.dialogs.saveAnswers.push_back(ui::FileChoice{csv, 1});
  Timed(figures, services, "csv_out", "Записано в CSV строк", [&] { form->Controls().SaveasCSV1->trigger(); });
  std::filesystem::remove(csv);

  const std::string sorted = dir.Path("scale-sorted.dbf");
  form->Controls().Sortedfile1->trigger();
  bench::EnterSortKeys(*form->Controls().Panel3, sorted);
  QApplication::processEvents();
  const std::string keys = dir.Path("scale.keys");
  bench::WriteSumNameLines(table, keys);
  MeasureFloor(figures, "sort", [&] {
    const double seconds = bench::GnuSortSeconds(keys, keys + ".sorted", 1).wall;
    std::filesystem::remove(keys + ".sorted");
    return seconds;
  });
  std::filesystem::remove(keys);
  Timed(figures, services, "sort", "Сортировка выполнена!", [&] { form->Controls().Panel3->Button1->click(); });
  std::filesystem::remove(sorted);

  // The table read again, untimed: a command before may have touched the
  // file's time, which the purge would take for another program's change.
  form->OpenAtStart(path);
  QApplication::processEvents();
  MeasureFloor(figures, "purge", safeCopy);
  Timed(figures, services, "purge", "", [&] { form->Controls().ToolButton8->trigger(); });
  form.reset();
  std::filesystem::remove(path);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int64_t large = argc > 1 ? std::atoll(argv[1]) : 20000000;
  const int64_t small = argc > 2 ? std::atoll(argv[2]) : 1000000;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("dbfview-bench"));
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  // The versions kept before each write go to the run's own folder too.
  testsupport::TempDir dir;
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir.Path("cache")));

  const Figures at1 = RunAt(small, dir);
  const Figures at2 = RunAt(large, dir);
  const double scale = static_cast<double>(large) / static_cast<double>(small);
  bool within = at1.failures.empty() && at2.failures.empty();
  // On a shared machine the seconds wait for other programs too; the CPU
  // seconds tell the work done.
  std::printf("%-8s %9s %9s %8s %9s %9s %6s %8s %6s %6s\n", "step", "small_s", "large_s", "x_linear", "small_cpu",
              "large_cpu", "x_cpu", "floor", "x_ref", "limit");
  for (const Step& step : kSteps) {
    const double a = at1.seconds.at(step.name);
    const double b = at2.seconds.at(step.name);
    const double x = b / (a * scale);
    const double ca = at1.cpu.at(step.name);
    const double cb = at2.cpu.at(step.name);
    std::printf("%-8s %9.3f %9.3f %8.2f %9.3f %9.3f %6.2f ", step.name, a, b, x, ca, cb, cb / (ca * scale));
    if (step.floor) {
      const double floorX = at2.floors.at(step.name) / (at1.floors.at(step.name) * scale);
      within = within && x / floorX <= step.limit;
      std::printf("%8s %6.2f %6.1f  (%s x_linear %.2f)\n", step.floor, x / floorX, step.limit, step.floor, floorX);
    } else {
      within = within && x <= step.limit;
      std::printf("%8s %6s %6.1f\n", "-", "-", step.limit);
    }
  }
  std::printf("open x_file: %.3f (small), %.3f (large); limit 1.1\n", at1.openXFile, at2.openXFile);
  within = within && at1.openXFile <= 1.1 && at2.openXFile <= 1.1;
  for (const Figures* f : {&at1, &at2}) {
    for (const std::string& failure : f->failures) std::printf("failed: %s\n", failure.c_str());
  }
  std::printf("scale_bench: records %lld and %lld, %s\n", static_cast<long long>(small),
              static_cast<long long>(large), within ? "within every limit" : "NOT within the limits");
  return 0;
}
