#include "docx_package.h"

#include "office_automation.h"
#include "scratch_output.h"
#include "spool_file.h"

#include <zip.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace office {

namespace {

constexpr char kXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr char kWordNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

const std::string kContentTypes =
    std::string(kXmlDeclaration) +
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "</Types>";

const std::string kPackageRelations =
    std::string(kXmlDeclaration) +
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";

const std::string kDocumentRelations =
    std::string(kXmlDeclaration) +
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";

// Courier New 8 pt, single-spaced lines with no gaps between paragraphs: a
// report line of a hundred characters fits the width of an A4 page.
const std::string kStyles =
    std::string(kXmlDeclaration) + "<w:styles xmlns:w=\"" + kWordNamespace + "\">" +
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\" w:eastAsia=\"Courier New\" w:cs=\"Courier New\"/>"
    "<w:sz w:val=\"16\"/><w:szCs w:val=\"16\"/></w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>"
    "</w:pPr></w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
    "</w:styles>";

class ZipFailure {
 public:
  explicit ZipFailure(std::string path) : path_(std::move(path)) {}
  [[noreturn]] void Throw(const std::string& reason) const {
    std::remove(path_.c_str());
    throw AutomationError(path_ + ": " + reason);
  }

 private:
  std::string path_;
};

void AddBuffer(zip_t* archive, const char* name, const std::string& bytes, const ZipFailure& failure) {
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  if (!source || zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
    if (source) zip_source_free(source);
    const std::string reason = zip_strerror(archive);
    zip_discard(archive);
    failure.Throw(reason);
  }
}

}  // namespace

std::string DocxDocumentHead() {
  return std::string(kXmlDeclaration) + "<w:document xmlns:w=\"" + kWordNamespace + "\"><w:body>";
}

std::string DocxDocumentTail() {
  // A4 portrait with narrow margins.
  return "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
         "<w:pgMar w:top=\"851\" w:right=\"567\" w:bottom=\"851\" w:left=\"1134\" w:header=\"0\" "
         "w:footer=\"0\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
}

void WriteDocxPackage(dbf::FileSystem& files, const std::string& path, SpoolFile& documentXml) {
  const ZipFailure failure(path);
  documentXml.Flush();
  const ScratchOutput output(files, path);
  int error = 0;
  zip_t* archive = zip_open(output.Scratch().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) {
    zip_error_t reason;
    zip_error_init_with_code(&reason, error);
    const std::string text = zip_error_strerror(&reason);
    zip_error_fini(&reason);
    failure.Throw(text);
  }
  AddBuffer(archive, "[Content_Types].xml", kContentTypes, failure);
  AddBuffer(archive, "_rels/.rels", kPackageRelations, failure);
  AddBuffer(archive, "word/_rels/document.xml.rels", kDocumentRelations, failure);
  AddBuffer(archive, "word/styles.xml", kStyles, failure);
  FILE* body = fdopen(dup(documentXml.Descriptor()), "rb");
  // The copy shares the position the writes left at the end.
  if (body) std::fseek(body, 0, SEEK_SET);
  zip_source_t* source = body ? zip_source_filep(archive, body, 0, documentXml.Size()) : nullptr;
  if (!source || zip_file_add(archive, "word/document.xml", source, ZIP_FL_ENC_UTF_8) < 0) {
    const std::string reason = body ? zip_strerror(archive) : std::strerror(errno);
    if (source) zip_source_free(source);
    else if (body) std::fclose(body);
    zip_discard(archive);
    failure.Throw(reason);
  }
  if (zip_close(archive) < 0) {
    const std::string reason = zip_strerror(archive);
    zip_discard(archive);
    failure.Throw(reason);
  }
  output.Place();
}

}  // namespace office
