#include "event_guard.h"

#include "dbf2_lib.h"
#include "scripted_dialog_service.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

namespace {

class EventGuardTest : public ::testing::Test {
 protected:
  void SetUp() override { guard.InstallEngineReporters(); }
  void TearDown() override {
    dbf::SetFatalReporter({});
    dbf::SetMessageReporter({});
  }

  ui::ScriptedDialogService dialogs;
  std::vector<int> exits;
  ui::EventGuard guard{dialogs, [this](int code) { exits.push_back(code); }};
};

}  // namespace

TEST_F(EventGuardTest, AFailureOfAHandlerOrSignalHandlerIsShownAndTheProgramGoesOn) {
  bool after = false;
  guard.Run([] { throw dbf::IoError(ENOSPC, "No space left on device"); });
  guard.Run([&] { after = true; });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("No space left on device"), std::string::npos);
  EXPECT_TRUE(after);
  EXPECT_TRUE(exits.empty());
  // Signal handlers are wrapped alike.
  auto slot = guard.Guarded([] { throw std::runtime_error("broken"); });
  slot(true);
  EXPECT_EQ(dialogs.messages.back(), "broken");
}

TEST_F(EventGuardTest, EngineErrorShowsItsNumberedMessageOnceAndTheProgramGoesOn) {
  testsupport::TempDir dir;
  guard.Run([&] {
    dbf::Dbf2_lib db;
    db.DbfOpen(1, dir.Path("missing.dbf"));
    db.DbfRecCount(1);
    FAIL() << "the engine error must end the handler";
  });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], " Ошибка 4 : Файл N   1 не открыт  ");
  EXPECT_TRUE(exits.empty());
}
