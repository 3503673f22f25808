#include "grid_paste.h"
#include "typed_cell_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TypedCellCheckTest, EachFieldTypeTakesWhatSaveCanStoreInIt) {
  struct Case { char type; uint16_t length; uint8_t decimals; std::string text; bool taken; };
  const std::vector<Case> cases{
      {'C', 5, 0, "Anna", true},
      {'C', 5, 0, "Annabel", false},
      {'C', 2, 0, "\xc0\xc1", true},  // bytes of the code page, one each
      {'N', 8, 2, "12345,67", true},  // 5 + point + 2 decimals
      {'N', 8, 2, "123456,7", false},
      {'N', 8, 2, "12345", true},
      {'N', 8, 2, "-1234,5", true},
      {'N', 8, 2, "-12345", false},
      {'N', 3, 0, "007", true},  // leading zeros take no room
      {'N', 8, 2, " 3.5 ", true},
      {'N', 8, 2, "", true},
      {'N', 8, 2, "12a", false},
      {'N', 8, 2, "1,2,3", false},
      {'N', 8, 2, "-", false},
      {'D', 8, 0, "20240229", true},
      {'D', 8, 0, "20230229", false},
      {'D', 8, 0, "01.02.2024", false},
      {'D', 8, 0, "", true},
      {'L', 1, 0, "t", true},
      {'L', 1, 0, "?", true},
      {'L', 1, 0, "1", true},
      {'L', 1, 0, "yes", false},
      {'L', 1, 0, "2", false},
      {'F', 10, 2, "1.5", false},  // Save writes no such field from the grid
      {'B', 8, 0, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.type) + " \"" + c.text + "\"");
    const RecordStore::Field field{1, c.length, c.type, c.decimals};
    EXPECT_EQ(!TypedCellRefusal(field, c.text).has_value(), c.taken);
  }
}

TEST(TypedCellCheckTest, AClipboardBlockIsLinesOfTabbedCells) {
  EXPECT_EQ(ClipboardBlock("a\tb\r\nc\n"), (std::vector<QStringList>{{"a", "b"}, {"c"}}));
  EXPECT_EQ(ClipboardBlock("a\t\n\nb"), (std::vector<QStringList>{{"a", ""}, {""}, {"b"}}));
  EXPECT_TRUE(ClipboardBlock("").empty());
}
