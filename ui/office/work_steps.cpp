#include "work_steps.h"

#include <utility>

namespace office {

namespace {

WorkSteps* g_current = nullptr;

}  // namespace

WorkSteps::WorkSteps(dbf::StepReport report) : report_(std::move(report)), previous_(g_current) {
  g_current = this;
}

WorkSteps::~WorkSteps() { g_current = previous_; }

void WorkSteps::Tell(int64_t done, int64_t total) {
  if (g_current && g_current->report_ && !g_current->report_(done, total)) throw dbf::Stopped{};
}

bool WorkSteps::Watched() { return g_current && g_current->report_; }

}  // namespace office
