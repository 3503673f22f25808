// Which files may be handed to the desktop's programs: those whose content
// type, as the desktop's MIME database sees it by name and content, is a
// spreadsheet, plain text or a document. Programs, scripts, archives, Java
// archives, Windows programs, desktop entries and everything else are not,
// whatever their execute bits say.
#pragma once

#include <string>

namespace ui {

bool IsDocumentFile(const std::string& path);

}  // namespace ui
