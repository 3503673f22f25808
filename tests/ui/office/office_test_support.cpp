#include "office_test_support.h"

#include <gtest/gtest.h>
#include <zip.h>

#include "office_automation.h"

#include <algorithm>
#include <filesystem>

namespace officetest {

std::string WriteTable(const testsupport::TempDir& dir, const std::string& name,
                       const std::vector<testsupport::FieldSpec>& fields,
                       const std::vector<std::vector<std::string>>& rows, const std::vector<int>& deleted) {
  testsupport::TableLayout layout;
  layout.fields = fields;
  for (size_t i = 0; i < rows.size(); ++i) {
    const bool isDeleted = std::find(deleted.begin(), deleted.end(), static_cast<int>(i + 1)) != deleted.end();
    layout.records.push_back(testsupport::Record(fields, rows[i], isDeleted));
  }
  const std::string path = dir.Path(name);
  testsupport::WriteFile(path, testsupport::TableBytes(layout));
  return path;
}

std::string ZipMember(const std::string& zipPath, const std::string& member) {
  int error = 0;
  zip_t* archive = zip_open(zipPath.c_str(), ZIP_RDONLY, &error);
  if (!archive) {
    ADD_FAILURE() << "not a zip package: " << zipPath;
    return {};
  }
  std::string text;
  zip_stat_t st;
  zip_file_t* file = zip_stat(archive, member.c_str(), 0, &st) == 0 ? zip_fopen(archive, member.c_str(), 0) : nullptr;
  if (!file) {
    ADD_FAILURE() << member << " missing in " << zipPath;
  } else {
    text.resize(st.size);
    if (zip_fread(file, text.data(), st.size) != static_cast<zip_int64_t>(st.size)) ADD_FAILURE() << "short read";
    zip_fclose(file);
  }
  zip_discard(archive);
  return text;
}

void WriteZip(const std::string& zipPath, const std::vector<std::pair<std::string, std::string>>& members) {
  int error = 0;
  zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr) << zipPath;
  for (const auto& [name, content] : members) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    ASSERT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0) << name;
  }
  ASSERT_EQ(zip_close(archive), 0) << zipPath;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string AutomationErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const office::AutomationError& e) {
    return e.what();
  }
  return {};
}

int FilesEndingWith(const std::string& folder, const std::string& extension) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.path().extension() == extension;
  return count;
}

}  // namespace officetest
