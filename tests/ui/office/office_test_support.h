// What the office tests share.
#pragma once

#include "table_bytes.h"
#include "text_report.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace officetest {

// Writes a table of the fields with one record per row of values; the
// records whose numbers (from 1) are in `deleted` carry the deletion flag.
std::string WriteTable(const testsupport::TempDir& dir, const std::string& name,
                       const std::vector<testsupport::FieldSpec>& fields,
                       const std::vector<std::vector<std::string>>& rows, const std::vector<int>& deleted = {});

struct LineList : office::LineSink {
  void Line(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// The text of a member of a zip package; fails the test when it is missing.
std::string ZipMember(const std::string& zipPath, const std::string& member);

// Writes a zip package of the members (name, content), in that order.
void WriteZip(const std::string& zipPath, const std::vector<std::pair<std::string, std::string>>& members);

// The lines joined by CR LF, each line ended by one.
std::string CrLfLines(const std::vector<std::string>& lines);

// The text of the AutomationError the action ends with (empty when it ends normally).
std::string AutomationErrorOf(const std::function<void()>& action);

// The files of a folder whose names end with `extension`.
int FilesEndingWith(const std::string& folder, const std::string& extension);

}  // namespace officetest
