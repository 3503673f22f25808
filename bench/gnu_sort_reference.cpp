#include "gnu_sort_reference.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace bench {
namespace {

// Offset (flag byte at 0) and length of a bench field.
std::pair<size_t, size_t> FieldPlace(const char* name) {
  size_t offset = 1;
  for (const BenchField& f : BenchFields()) {
    if (f.name == name) return {offset, f.length};
    offset += f.length;
  }
  throw std::logic_error(std::string("no bench field ") + name);
}

}  // namespace

void WriteSumNameLines(const BenchTable& table, const std::string& path) {
  const auto [sumAt, sumLength] = FieldPlace("SUM");
  const auto [nameAt, nameLength] = FieldPlace("NAME");
  std::FILE* in = std::fopen(table.path.c_str(), "rb");
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!in || !out) throw std::runtime_error("cannot open " + table.path + " or " + path);
  std::fseek(in, table.headerSize, SEEK_SET);
  std::vector<char> record(table.recordLength);
  std::string line;
  for (int64_t i = 0; i < table.records; ++i) {
    if (std::fread(record.data(), 1, record.size(), in) != record.size()) {
      throw std::runtime_error("short read of " + table.path);
    }
    line.assign(record.data() + sumAt, sumLength);
    line += '\t';
    line.append(record.data() + nameAt, nameLength);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out);
  }
  std::fclose(in);
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write " + path);
}

ChildSeconds GnuSortSeconds(const std::string& input, const std::string& output, int threads) {
  // An output left by an earlier run goes first, untimed: emptying it may
  // have to wait for its pages to reach the disk.
  std::filesystem::remove(output);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> args = {"sort", "-s", "-t\t", "-k1,1nr", "-k2,2", input};
  if (threads > 0) args.insert(args.begin() + 1, "--parallel=" + std::to_string(threads));
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  // The child's environment: this process's, with the C collation forced.
  std::vector<std::string> env = {"LC_ALL=C"};
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "LC_ALL=", 7) != 0) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int failed = posix_spawnp(&pid, "sort", &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    throw std::runtime_error("cannot start sort: " + std::string(std::strerror(failed)));
  }
  int status = 0;
  struct rusage usage {};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  ChildSeconds seconds;
  seconds.wall = SecondsSince(start);
  seconds.cpu = CpuSeconds(usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("sort failed");
  return seconds;
}

}  // namespace bench
