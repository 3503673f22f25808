// A seam that ends the test process, as kill -9 would, at a chosen write to
// a file: the system's calls that change files (pwrite, write, ftruncate,
// fsync, rename, link, unlink, copy_file_range) are taken over in this test
// program, counted, and passed on. The chosen write is cut to half its
// bytes before the process is killed, so that a torn write shows.
#pragma once

namespace killseam {

// Counts from now on; kills at the `n`-th counted call (0: never).
void KillAtWrite(long n);
// The calls counted since the last KillAtWrite.
long WritesCounted();

}  // namespace killseam
