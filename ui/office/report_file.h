// The report's text file: lines of bytes, each ended by CR LF.
#pragma once

#include "file_services.h"
#include "text_report.h"

#include <sys/types.h>

#include <functional>
#include <string>

namespace office {

// The table's name with its extension replaced by ".txt" (added when it has none).
std::string ReportFileName(const std::string& tablePath);

// Writes the file at `path` through the safe writes on `services` (the
// name-only way of ui/platform/safe_write.h): the lines `write` gives its
// sink go into a new file (made with `mode` less the umask) that takes the
// name only once complete, so that a failure, a stop or a kill leaves the
// file that was there or the new one. Whatever had the name loses it and is
// left as it was: a link there is replaced, never followed, and no file is
// cut short. Input/output failures throw std::system_error naming `path`.
void WriteReportFile(ui::FileServices& services, const std::string& path,
                     const std::function<void(LineSink& sink)>& write, mode_t mode = 0666);

// The lines of a text file without their line ends (CR LF or LF); a link
// is not followed. Input/output failures throw dbf::IoError.
void ForEachLine(const std::string& path, const std::function<void(const std::string& line)>& visit);

}  // namespace office
