// The settings file is the user's to edit: whatever it holds, reading it
// back takes no more entries than the program keeps, drops a value out of
// range and keeps the rest.
#include "remembered_settings.h"

#include <QFont>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>

namespace {

class RememberedSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { RememberedSettings::Clear(); }
  void TearDown() override { RememberedSettings::Clear(); }

  RememberedSettings settings;
};

TEST_F(RememberedSettingsTest, AHostileValueIsDroppedAndTheRestKept) {
  const std::string kept = "/data/kept.dbf";
  const std::string other = "/data/other.dbf";
  const struct {
    const char* what;
    std::function<void(QSettings&)> tamper;
    size_t recent;     // recent tables read back
    bool pageKept;     // the code page chosen for `kept` read back
  } cases[] = {
      {"a page list claiming two billion entries",
       [](QSettings& s) { s.setValue("tablePages/size", 2000000000); }, 2, true},
      {"a recent list claiming two billion entries",
       [](QSettings& s) { s.setValue("recentTables/size", 2000000000); }, 2, true},
      {"a recent path longer than any path",
       [](QSettings& s) { s.setValue("recentTables/1/path", QByteArray(1 << 20, 'a')); }, 1, true},
      {"an empty recent path", [](QSettings& s) { s.setValue("recentTables/2/path", QByteArray()); }, 1, true},
      {"an unknown code page", [](QSettings& s) { s.setValue("tablePages/1/page", "koi8-r"); }, 2, false},
      {"a page path longer than any path",
       [](QSettings& s) { s.setValue("tablePages/1/path", QByteArray(1 << 20, '/')); }, 2, false},
  };
  for (const auto& c : cases) {
    RememberedSettings::Clear();
    settings.AddRecentTable(other);
    settings.AddRecentTable(kept);
    settings.SetPageOf(other, ui::CodePage::Dos866);
    settings.SetPageOf(kept, ui::CodePage::Windows1251);
    {
      QSettings file;
      c.tamper(file);
    }
    const std::vector<std::string> recent = settings.RecentTables();
    EXPECT_EQ(recent.size(), c.recent) << c.what;
    EXPECT_EQ(settings.PageOf(kept).has_value(), c.pageKept) << c.what;
    EXPECT_EQ(settings.PageOf(other), ui::CodePage::Dos866) << c.what;
    // Choosing again writes a list of what was kept.
    settings.SetPageOf(kept, ui::CodePage::Dos866);
    EXPECT_EQ(settings.PageOf(kept), ui::CodePage::Dos866) << c.what;
    EXPECT_EQ(QSettings().value("tablePages/size").toInt(), 2) << c.what;
  }
}

TEST_F(RememberedSettingsTest, AFontOrGeometryOutOfRangeIsDropped) {
  const struct {
    QString font;
    bool kept;
  } fonts[] = {{QFont("DejaVu Sans", 14).toString(), true},
               {QFont("DejaVu Sans", RememberedSettings::kLargestFont + 1).toString(), false},
               {QStringLiteral("DejaVu Sans,2000000000,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"), false}};
  for (const auto& f : fonts) {
    QSettings().setValue("gridFont", f.font);
    EXPECT_EQ(settings.GridFont().has_value(), f.kept) << f.font.toStdString();
  }
  QSettings().setValue("windowGeometry", QByteArray(1 << 20, '\1'));
  EXPECT_TRUE(settings.WindowGeometry().isEmpty());
}

}  // namespace
