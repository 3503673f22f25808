// The table engine: 200 numbered slots, each holding one open .dbf table with
// its field list, a one-record buffer and a current position. Every operation
// names its slot first and reports its outcome through the slot's status.
#pragma once

#include "dbf_errors.h"
#include "dbf_file.h"
#include "dbf_table.h"
#include "dbf_sort_keys.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace dbf {

constexpr int kSlotCount = 200;

struct HeaderInfo;

// Slot status codes.
enum : uint16_t {
  kStatusDone = 0,
  kStatusEof = 1,
  kStatusOpenFailed = 2,
  kStatusDeleted = 3,
  kStatusNoRecords = 4,
};

constexpr char kFlagLive = ' ';
constexpr char kFlagDeleted = '*';
constexpr char kEndMark = 0x1A;
constexpr char kHeaderEnd = 0x0D;

// One field of a slot's field list. Callers walk the list from DbfFields().
struct FieldNode {
  std::array<char, 10> name{};  // zero padded
  char type = 'C';
  uint32_t offset = 1;  // 1 = first byte after the deletion flag
  uint16_t length = 0;  // above 255 only for wide character fields (dbf_header.h)
  uint8_t decimals = 0;
  const FieldNode* next = nullptr;

  // The name up to its first zero byte.
  std::string Name() const;
  // All ten stored bytes and a closing NUL: the look-up name that finds
  // exactly this field (blanks or a '#' at its end included), or the first
  // field of the same stored name.
  std::string LookupName() const;
};

// The field found by the last DbfFindField.
struct CurrentField {
  char type = 0;
  uint32_t offset = 0;
  uint16_t length = 0;
  uint8_t decimals = 0;
};

enum class Phase { AfterRead, BeforeWrite };

// How DbfSortTo ended.
enum class SortOutcome { Sorted, SameFile, TooLarge };

class Dbf2_lib {
 public:
  // Every write of the tables it opens and creates goes through `files`.
  explicit Dbf2_lib(FileSystem& files = SystemFileSystem());
  virtual ~Dbf2_lib();
  Dbf2_lib(const Dbf2_lib&) = delete;
  Dbf2_lib& operator=(const Dbf2_lib&) = delete;

  // Code-page conversions between DOS 866 and Windows 1251, character for
  // character; field access never calls them. Bytes whose character the
  // other page lacks stay as they are; the count of them is returned.
  virtual size_t DosToWin(std::string& text);
  virtual size_t WinToDos(std::string& text);
  // Called right after a record is read into a slot's buffer and right
  // before a buffer is written; Phase() tells which.
  virtual void RecordHook(uint16_t slot);

  // Slots: binding, opening, closing.
  void DbfAssign(uint16_t slot, const std::string& fileName);
  // Opening says its intent. DbfOpen opens for writing: closing the slot
  // writes the header's record count when records were written through it
  // and the stored count differs. DbfOpenForReading opens for reading only:
  // closing writes nothing, and any write into the slot fails as an
  // input/output error; for every command that only reads, and so for
  // tables the user may not write. A file that cannot be opened so leaves
  // the slot closed with status 2 and errno set; one that is no table
  // raises error 13.
  void DbfOpen(uint16_t slot, const std::string& fileName);
  void DbfOpenForReading(uint16_t slot, const std::string& fileName);
  // Opens the bound file again with field names as stored (all ten bytes).
  void DbfReopen(uint16_t slot, Access access = Access::Write);
  void DbfClose(uint16_t slot);
  void DbfCloseAll();
  // Builds the numbered message, closes every slot, hands code and message
  // to the installed reporter and leaves by throwing DbfAbort.
  [[noreturn]] void DbfError(uint8_t code, const std::string& text = {});

  // Records and navigation.
  int64_t DbfRecCount(uint16_t slot);
  void DbfSkipBof(uint16_t slot);
  void DbfFirst(uint16_t slot);
  void DbfTop(uint16_t slot);
  void DbfRead(uint16_t slot);
  void DbfReadRaw(uint16_t slot);
  void DbfSkip(uint16_t slot, int32_t count = 1);
  void DbfGo(uint16_t slot, int64_t recordNumber);
  void DbfGoNoRead(uint16_t slot, int64_t recordNumber);
  bool DbfEof(uint16_t slot);
  void DbfSkipEof(uint16_t slot);
  void DbfBlank(uint16_t slot);
  void DbfAppendBlank(uint16_t slot);
  void DbfWriteBuffer(uint16_t slot);
  void DbfAppend(uint16_t slot);
  // While on, the records DbfAppend and DbfWriteBuffer write into the slot
  // may wait in memory, gathered into large writes, until the next operation
  // on any table file of the process or the slot's closing
  // (TableFile::WriteHeld); a failure to write them is reported there. For
  // callers appending many records in a row. Opening the slot turns it off.
  void DbfGatherWrites(uint16_t slot, bool on);
  // Whole records, flag byte first: DbfReadRecords copies `count` of them,
  // from record number `first` on, into `out` (count x record length
  // bytes); records past the end of the file are not read (IoError).
  // DbfAppendRecords appends `count` of them after the last record and
  // writes the end mark after them, gathered like DbfAppend's writes (a
  // block of a megabyte or more goes out at once).
  void DbfReadRecords(uint16_t slot, int64_t first, int64_t count, char* out);
  void DbfAppendRecords(uint16_t slot, const char* records, int64_t count);
  // Sets the buffer to a record's bytes after its flag (record length - 1).
  void DbfSetBuffer(uint16_t slot, const char* bytes);
  void DbfDelete(uint16_t slot);
  void DbfRecall(uint16_t slot);
  bool DbfIsDeleted(uint16_t slot);

  // Field values of the record in the slot's buffer. A name ending in '#'
  // asks for that name with `number` in place of the '#'.
  void DbfFindField(uint16_t slot, const std::string& name, uint16_t number = 0);
  // The field DbfFindField would find, or nullptr where it would fail.
  const FieldNode* DbfFieldNamed(uint16_t slot, const std::string& name, uint16_t number = 0) const;
  std::string DbfGetStr(uint16_t slot, const std::string& name, uint16_t number = 0);
  void DbfPutStr(uint16_t slot, const std::string& text, const std::string& name,
                 uint16_t number = 0);
  double DbfGetNum(uint16_t slot, const std::string& name, uint16_t number = 0);
  void DbfPutNum(uint16_t slot, double value, const std::string& name, uint16_t number = 0);

  // Structure operations. DbfCreate makes a 34-byte table without fields
  // (kind 1 or 2, anything else raises error 7). DbfAddField and
  // DbfDeleteField rewrite the header of the file bound to the slot and drop
  // every record. DbfAddField returns false and leaves the file unchanged
  // when the field has length 0 or would push the header size or the record
  // length past 16 bits.
  // DbfCopyStructure gives the target's file the source's header with no
  // records; it returns false, touching neither file, when both names lead
  // to the same file. DbfZap removes every record of an open table.
  void DbfCreate(uint16_t slot, uint8_t kind, const std::string& fileName);
  bool DbfAddField(uint16_t slot, const std::string& name, char type, uint8_t length,
                   uint8_t decimals);
  void DbfDeleteField(uint16_t slot, const std::string& name);
  bool DbfCopyStructure(uint16_t source, uint16_t target);
  void DbfZap(uint16_t slot);

  // Removes, in place, every record whose flag is not a blank.
  void DbfPack(uint16_t slot);
  // Whether a purge keeps a record, told its number (from 1) and flag byte.
  using KeepRecord = std::function<bool(int64_t recNo, char flag)>;
  // Writes into `file` (made, or emptied) the table open in the slot as a
  // purge would leave it, the slot's own file untouched: its header with
  // the count of records kept, the records `keep` keeps (none given: those
  // whose flag is a blank) with their flags set to a blank, and the end mark;
  // a table DbfPack would leave alone, as it is.
  void DbfPackInto(uint16_t slot, const std::string& file, const KeepRecord& keep = {});

  // The step report DbfPack, DbfPackInto and DbfSortTo tell their progress to; when it
  // asks them to stop they throw Stopped. Empty (the default) runs them to
  // the end unreported.
  void DbfOnStep(StepReport report) { stepReport_ = std::move(report); }

  // Sorting into a new table. DbfSortInit opens the source and empties the
  // key list. DbfSortAddKey appends a key naming a field of that source
  // (trimmed and upper-cased; an unknown name adds nothing); direction 1 is
  // ascending, anything else descending; maxLength, when not 0, shortens C
  // and D keys. DbfSortTo writes the sorted copy into the file bound to the
  // target slot and returns Sorted, with both slots closed, the key list
  // emptied and the source's status 0, or 4 when the source had no records.
  // It returns SameFile, touching no file, slot or key, when the target names
  // the source's own file (another spelling or a link included), and
  // TooLarge, touching nothing either, when the sort would need more memory
  // than the sort memory limit. A field of length 0 adds no key.
  void DbfSortInit(uint16_t slot);
  void DbfSortAddKey(const std::string& name, int direction, uint16_t maxLength = 0);
  SortOutcome DbfSortTo(uint16_t source, uint16_t target);
  const std::vector<SortKey>& DbfSortKeys() const { return sortKeys_; }
  // The most memory, in bytes, a sort may take; by default (and after
  // setting 0) half the machine's physical memory.
  void SetSortMemoryLimit(uint64_t bytes);

  // Copies the fields both tables have (equal 10-byte stored names) from the
  // source's buffer into the target's buffer, converting through the field
  // operations. "File not Open!" goes to the message reporter when either
  // slot is not open.
  void DbfCopyFields(uint16_t source, uint16_t target);

  // State that callers read directly.
  uint16_t DbfStatus(uint16_t slot) const;
  bool DbfIsOpen(uint16_t slot) const;
  int64_t DbfRecNo(uint16_t slot) const;
  const FieldNode* DbfFields(uint16_t slot) const;
  int DbfFieldCount(uint16_t slot) const;
  uint16_t DbfHeaderSize(uint16_t slot) const;
  uint32_t DbfRecordLength(uint16_t slot) const;
  // The record count stored in the header when the slot was opened, which
  // may disagree with the count the file's size gives (DbfRecCount).
  uint32_t DbfStoredCount(uint16_t slot) const;
  const std::string& DbfFileName(uint16_t slot) const;
  // The record at the position without its flag byte (record length bytes).
  const std::vector<char>& DbfBuffer(uint16_t slot) const;
  uint16_t CurrentSlot() const { return currentSlot_; }
  const CurrentField& Current() const { return currentField_; }
  enum Phase Phase() const { return phase_; }

 protected:
  struct Slot {
    std::string fileName;
    Table table;
    bool open = false;
    uint16_t status = kStatusDone;
    uint16_t headerSize = 0;
    uint32_t recordLength = 0;
    int fieldCount = 0;
    std::vector<FieldNode> fields;
    std::vector<char> buffer;
    std::vector<char> scratch;  // record bytes on their way to the file
    int64_t position = 0;
    int64_t recNo = 0;
    bool gatherWrites = false;  // record writes may be held back
    uint32_t storedCount = 0;   // the header's record count at opening
  };

  // The slot for a number; numbers outside 1..kSlotCount raise error 4.
  Slot& At(uint16_t slot);
  const Slot* Find(uint16_t slot) const;
  // Stores the slot as current and raises `code` unless it is open.
  Slot& Opened(uint16_t slot, uint8_t code);

  // Closes a slot (Table::CloseQuietly); for the destructor and for
  // DbfError, which have no one to report to.
  void CloseQuietly(Slot& s);
  void OpenBound(uint16_t slot, bool namesAsStored, Access access);
  void LoadFields(Slot& s, const HeaderInfo& info, bool namesAsStored);
  void Recompute(Slot& s);
  bool AtWholeRecord(Slot& s, int64_t pos);
  void WriteFlag(Slot& s, char flag, uint16_t status);
  // Writes the flag byte, the buffer and optionally the end mark at the
  // position; held back while the slot gathers writes.
  void WriteRecordAt(Slot& s, bool withEndMark);
  // Finds the field and returns the part of it that lies inside the buffer.
  struct FieldSpan {
    int64_t fieldStart = 0;  // buffer index of the field's first byte, maybe outside
    size_t begin = 0;        // the part inside the buffer
    size_t size = 0;
  };
  FieldSpan FieldBytes(Slot& s, uint16_t slot, const std::string& name, uint16_t number);
  // Blanks the field and writes the text left-aligned into its part inside the buffer.
  void PutFieldText(Slot& s, const FieldSpan& f, const std::string& text);
  // The limit set, or half the physical memory when none is.
  uint64_t SortMemoryLimit();
  // True when sorting the table bound to the slot with the present keys
  // would take more than the sort memory limit.
  bool SortNeedsTooMuchMemory(uint16_t source);
  // Loads the sort code of every record of the open source slot, in file order.
  std::vector<unsigned char> LoadSortCodes(Slot& s, const SortKeyCoder& coder, uint32_t count);
  // Writes the source's records into the target in the order of their codes.
  void WriteSorted(Slot& src, Slot& dst, const SortKeyCoder& coder, uint32_t count);
  // The purges' walk: hands each chunk's records that `keep` keeps, moved
  // together with their flags set to a blank, to `put` with the position
  // read up to, and tells the step report.
  void CompactRecords(Slot& s, const KeepRecord& keep,
                      const std::function<void(const char* kept, size_t size, int64_t readPos)>& put);

  FileSystem& files_;
  std::array<Slot, kSlotCount> slots_;
  uint16_t currentSlot_ = 0;
  CurrentField currentField_;
  enum Phase phase_ = Phase::AfterRead;
  std::vector<SortKey> sortKeys_;
  uint16_t sortSlot_ = 0;  // the slot DbfSortInit opened, where keys are looked up
  // Tells the step report how far an operation has come; throws Stopped
  // when it says stop.
  void Step(int64_t done, int64_t total) const;

  StepReport stepReport_;
  uint64_t sortMemoryLimit_ = 0;  // 0 until first needed: half the physical memory
};

}  // namespace dbf
