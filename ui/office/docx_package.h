// The parts of a WordprocessingML document around its body, and the zip
// package that holds them.
#pragma once

#include "dbf_file_system.h"

#include <string>

namespace office {

class SpoolFile;

// document.xml up to the first paragraph, and from the last one on.
std::string DocxDocumentHead();
std::string DocxDocumentTail();

// Writes the .docx package at `path` with `documentXml` (the whole
// document.xml, flushed) as its main part and a monospaced default font; the
// package reaches `path` through `files` (ScratchOutput). Throws
// AutomationError with the reason when the file cannot be written, leaving
// no partial file.
void WriteDocxPackage(dbf::FileSystem& files, const std::string& path, SpoolFile& documentXml);

}  // namespace office
