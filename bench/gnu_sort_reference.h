// The reference the engine's sort is measured against: GNU sort, run as a
// child process on a text file that holds only the sort keys of the bench
// table (the SUM field, a tab, the NAME field; one line a record).
#pragma once

#include "bench_support.h"

#include <string>

namespace bench {

// Writes one line per record of `table`, in file order: SUM, a tab, NAME.
// Works for any table with the bench fields, a sorted copy included.
void WriteSumNameLines(const BenchTable& table, const std::string& path);

struct ChildSeconds {
  double wall = 0;
  double cpu = 0;  // user and system time of the child, all its threads
};

// Times `LC_ALL=C sort -s -t<tab> -k1,1nr -k2,2` (SUM descending as a number,
// then NAME ascending, ties in input order) reading `input` and writing its
// standard output to `output`, with as many threads as sort chooses
// (threads 0) or the number given. Throws when sort cannot run or fails.
ChildSeconds GnuSortSeconds(const std::string& input, const std::string& output, int threads = 0);

}  // namespace bench
