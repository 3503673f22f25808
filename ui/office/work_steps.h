// The step report of the command running now, for work deep inside the
// office servers (writing and packing a workbook) that the command hands
// nothing to directly: the command sets it for the time of the call.
#pragma once

#include "dbf_errors.h"

namespace office {

class WorkSteps {
 public:
  explicit WorkSteps(dbf::StepReport report);
  ~WorkSteps();
  WorkSteps(const WorkSteps&) = delete;
  WorkSteps& operator=(const WorkSteps&) = delete;

  // Tells the report set now, if any, done of total; throws dbf::Stopped
  // when it says stop.
  static void Tell(int64_t done, int64_t total);
  // Whether a report is set.
  static bool Watched();

 private:
  dbf::StepReport report_;
  WorkSteps* previous_;
};

}  // namespace office
