#include "text_report.h"

#include "dbf2_lib.h"
#include "dbf_number.h"
#include "int_text.h"
#include "report_checks.h"

namespace office {

namespace {

class ReportWriter {
 public:
  ReportWriter(dbf::Dbf2_lib& db, uint16_t slot, const ReportLayout& layout, LineSink& out)
      : db_(db), slot_(slot), layout_(layout), out_(out), length_(layout.LineLength()),
        sumColumn_(layout.SumColumn()) {
    if (sumColumn_) sumField_ = FindTableField(db, slot, layout.sumField);
    // Sums are printed only under their own column: without one they are not read.
    summing_ = sumField_ != nullptr;
  }

  void Record() {
    const int64_t n = db_.DbfRecNo(slot_);
    const double v = summing_ ? db_.DbfGetNum(slot_, layout_.sumField) : 0;
    switch (PlaceOnSheet(n, layout_.firstSheetRows, layout_.laterSheetRows)) {
      case SheetPlace::First:
        SheetHeader();
        RecordLine(n);
        total_ += v;
        pageSum_ = v;
        break;
      case SheetPlace::Inside:
        RecordLine(n);
        pageSum_ += v;
        total_ += v;
        break;
      case SheetPlace::Last:
        RecordLine(n);
        pageSum_ += v;
        total_ += v;
        out_.Line(std::string(length_, '-'));
        SumLine(pageSum_);
        pageSum_ = 0;
        out_.Line("\f");
        break;
    }
  }

  void End() {
    out_.Line(std::string(length_, '-'));
    SumLine(pageSum_);
    out_.Line(std::string(length_, '-'));
    if (summing_) SumLine(total_);
    else out_.Line(" ");
    out_.Line("\f");
  }

 private:
  void SheetHeader() {
    const std::string rule = std::string(length_ - 1, '-') + ' ';
    out_.Line(rule);
    line_.clear();
    for (const ReportColumn& c : layout_.columns) {
      line_.resize(c.start, ' ');
      if (&c != &layout_.columns.front() || layout_.printRowNumbers) line_ += c.name;
    }
    out_.Line(line_);
    out_.Line(rule);
  }

  void RecordLine(int64_t n) {
    line_.clear();
    for (const ReportColumn& c : layout_.columns) {
      line_.resize(c.start, ' ');
      if (&c == &layout_.columns.front()) {
        if (layout_.printRowNumbers) line_ += ui::RightAligned(n, c.width);
      } else {
        line_ += db_.DbfGetStr(slot_, c.name).substr(0, c.width);
      }
    }
    out_.Line(line_);
  }

  // The sum as the engine would store it into the sum field, placed in its column.
  void SumLine(double sum) {
    if (!summing_) return;
    line_.assign(sumColumn_->start, ' ');
    line_ += dbf::FormatFieldNumber(sum, sumField_->length, sumField_->decimals);
    out_.Line(line_);
  }

  dbf::Dbf2_lib& db_;
  uint16_t slot_;
  const ReportLayout& layout_;
  LineSink& out_;
  const int length_;
  const ReportColumn* sumColumn_;
  bool summing_ = false;
  const dbf::FieldNode* sumField_ = nullptr;
  double pageSum_ = 0;
  double total_ = 0;
  std::string line_;
};

}  // namespace

void WriteTextReport(dbf::Dbf2_lib& db, uint16_t slot, const ReportLayout& layout, LineSink& out,
                     const std::function<void(int64_t)>& progress) {
  ReportWriter writer(db, slot, layout, out);
  db.DbfTop(slot);
  const int64_t count = db.DbfRecCount(slot);
  for (int64_t pass = 1; pass <= count; ++pass) {
    if (progress) progress(pass);
    writer.Record();
    db.DbfSkip(slot, 1);
  }
  writer.End();
}

}  // namespace office
