#include "file_filter.h"

#include <gtest/gtest.h>

TEST(FileFilter, ListsBecomeQtNameFiltersInOrder) {
  const auto entries =
      ui::ParseFilter("Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|Как текстовый файл|*.*|");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3].name, QString::fromUtf8("Как текстовый файл"));
  EXPECT_EQ(ui::QtNameFilters(entries),
            QStringList({QString::fromUtf8("Файлы *.dbf (*.dbf)"), QString::fromUtf8("Все файлы (*)"),
                         QString::fromUtf8("Файлы EXCEL (*.xls)"),
                         QString::fromUtf8("Как текстовый файл (*)")}));
  EXPECT_TRUE(ui::ParseFilter("").empty());
}
