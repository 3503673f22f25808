#include "desktop_launcher.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

// Only the refusals are tested: a file the launcher accepts would really be
// handed to the desktop.
TEST(DesktopLauncherTest, FilesThatCouldRunAsProgramsAreNeverHandedOver) {
  testsupport::TempDir dir;
  const std::string script = dir.Path("report.xls");
  testsupport::WriteFile(script, "#!/bin/sh\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  const std::string entry = dir.Path("sheet.desktop");
  testsupport::WriteFile(entry, "[Desktop Entry]\nExec=true\n");

  ui::DesktopLauncher launcher;
  EXPECT_FALSE(launcher.Open(script));
  EXPECT_FALSE(launcher.Open(entry));
  EXPECT_FALSE(launcher.Open(dir.Path("missing.xls")));
}
