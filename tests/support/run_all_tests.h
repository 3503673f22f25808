// Runs the tests a test program was asked for and gives the status it ends
// with: 0 when none failed, 77 (ctest's "skipped") when every test that ran
// skipped, else 1.
#pragma once

namespace testsupport {

constexpr int kEverySkipped = 77;

int RunAllTests();

}  // namespace testsupport
