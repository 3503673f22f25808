// The sort against std::stable_sort with the key rules written out, on random tables of many shapes.
#include "engine_fixture.h"
#include "table_reference.h"

#include <algorithm>
#include <random>

namespace {

struct FieldKey { size_t field = 0; int direction = 1; uint16_t maxLength = 0; };  // field: an index into the fields

struct Shape {
  std::vector<FieldSpec> fields;
  std::vector<FieldKey> keys;
  uint32_t recordLength = 0;  // 0: the fields' sum; less cuts the last fields short
  size_t count = 0;
};

// The records in the order the sort must give them, flags made '*' or blank.
std::vector<std::string> ReferenceOrder(const Shape& shape,
                                        const std::vector<std::string>& records) {
  std::vector<uint32_t> offsets;
  uint32_t offset = 1;
  for (const FieldSpec& f : shape.fields) {
    offsets.push_back(offset);
    offset += f.length;
  }
  std::vector<KeyField> keys;
  for (const FieldKey& k : shape.keys) {
    const FieldSpec& f = shape.fields[k.field];
    if (f.length == 0) continue;
    uint32_t length = f.length;
    if (k.maxLength != 0 && (f.type == 'C' || f.type == 'D')) {
      length = std::min<uint32_t>(length, k.maxLength);
    }
    keys.push_back({f.type, offsets[k.field], length, k.direction == 1});
  }
  RawRecords raw;
  raw.records = records;
  return StablySorted(raw, keys);
}

// Field text of the kinds tables hold, from a few values so that many records tie.
std::string RandomValue(const FieldSpec& f, std::mt19937& random) {
  auto pick = [&](const std::string& from) { return from[random() % from.size()]; };
  std::string text;
  switch (f.type) {
    case 'N':
    case 'n':
      if (random() % 4 == 0) {
        // Anything made of the characters of numbers: '-' in odd places, lone points.
        for (int i = 0; i < f.length; ++i) text += pick("  -1.9");
        return text;
      }
      if (random() % 8 == 0) return std::string(f.length, ' ');
      text = std::to_string(static_cast<int>(random() % 41) - 20);
      if (f.decimals > 0) {
        text += "." + std::string(f.decimals, static_cast<char>('0' + random() % 3));
      }
      return std::string(f.length > text.size() ? f.length - text.size() : 0, ' ') + text;
    case 'D':
      if (random() % 8 == 0) return std::string(f.length, ' ');
      return "20" + std::to_string(10 + random() % 3) + "0" + std::to_string(1 + random() % 3) +
             "1" + std::to_string(random() % 3);
    case 'L':
      return std::string(1, pick("TF? "));
    default:
      // Fields all of 0xFF or 0x00: as keys either way, codes of all ones (the code of no item).
      if (random() % 6 == 0) return std::string(f.length, random() % 2 == 0 ? '\xFF' : '\0');
      for (size_t i = random() % (f.length + 1u); i > 0; --i) text += pick("ab \xE0\x7F");
      return text;
  }
}

std::vector<std::string> RandomRecords(const Shape& shape, std::mt19937& random) {
  std::vector<std::string> records;
  for (size_t i = 0; i < shape.count; ++i) {
    std::vector<std::string> values;
    for (const FieldSpec& f : shape.fields) values.push_back(RandomValue(f, random));
    std::string record = Record(shape.fields, values);
    record[0] = "  *X"[random() % 4];  // 'X' is neither blank nor '*': written live
    if (shape.recordLength != 0) record.resize(shape.recordLength);
    records.push_back(record);
  }
  return records;
}

// Fields of every type, some wide or of length 0, records perhaps cut short; one to five keys.
Shape RandomShape(std::mt19937& random, size_t count) {
  Shape shape;
  shape.count = count;
  const std::string types = "CCNnDL";
  const size_t fieldCount = 1 + random() % 7;
  for (size_t i = 0; i < fieldCount; ++i) {
    FieldSpec f;
    f.name = "F" + std::to_string(i);
    f.type = types[random() % types.size()];
    f.length = static_cast<uint8_t>(f.type == 'D' ? 8 : f.type == 'L' ? 1 : 1 + random() % 9);
    if (f.type == 'N' && random() % 2 == 0 && f.length > 3) {
      f.decimals = static_cast<uint8_t>(1 + random() % 2);
    }
    if (random() % 10 == 0) f.length = static_cast<uint8_t>(f.type == 'C' ? 255 : 0);
    shape.fields.push_back(f);
  }
  const size_t keyCount = 1 + random() % 5;
  for (size_t i = 0; i < keyCount; ++i) {
    FieldKey k;
    k.field = random() % fieldCount;
    k.direction = random() % 2 == 0 ? 1 : 2;
    if (random() % 3 == 0) k.maxLength = static_cast<uint16_t>(1 + random() % 4);
    shape.keys.push_back(k);
  }
  const uint32_t full = RecordLength(shape.fields);
  if (random() % 5 == 0 && full > 2) {
    shape.recordLength = full - 1 - static_cast<uint32_t>(random() % (full / 2));
  }
  return shape;
}

class SortReferenceTest : public EngineTest {
 protected:
  // Sorts a random table of the shape and compares the target with the reference.
  void Check(const Shape& shape, std::mt19937& random, const std::string& what) {
    TableLayout layout{shape.fields, RandomRecords(shape, random)};
    layout.recordLengthOverride = shape.recordLength;
    const std::string source = Write("t.dbf", layout);
    PrepareSort(source, dir.Path("out.dbf"));
    for (const FieldKey& k : shape.keys) {
      db.DbfSortAddKey(shape.fields[k.field].name, k.direction, k.maxLength);
    }
    ASSERT_EQ(db.DbfSortTo(1, 2), dbf::SortOutcome::Sorted) << what;
    layout.records = ReferenceOrder(shape, layout.records);
    const std::string want = TableBytes(layout);
    EXPECT_TRUE(ReadFile(dir.Path("out.dbf")) == want) << what << ": not the stable sort by the same keys";
  }
};

}  // namespace

TEST_F(SortReferenceTest, RandomShapesOfEveryKeyType) {
  std::mt19937 random(7);
  const size_t counts[] = {1, 2, 3, 4, 5, 17, 64, 255, 1001};
  for (int round = 0; round < 120; ++round) {
    const Shape shape = RandomShape(random, counts[round % std::size(counts)]);
    Check(shape, random, "round " + std::to_string(round));
    if (HasFatalFailure()) return;
  }
}

// Many records; records too wide to gather; keys wider than the tree's prefixes, in odd counts.
TEST_F(SortReferenceTest, ChosenShapes) {
  std::vector<std::pair<unsigned, Shape>> cases = {
      {3, {{{"NAME", 'C', 6}, {"SUM", 'N', 7, 2}, {"DAY", 'D', 8}, {"OK", 'L', 1}, {"QTY", 'n', 3}},
           {{1, 2}, {3, 1}, {0, 1, 2}, {2, 2}, {4, 1}}, 0, 100000}},
      {5, {{{"K", 'C', 1}, {"W1", 'C', 255}, {"W2", 'C', 255}, {"M", 'N', 2}}, {{0, 2}, {3, 1}}, 0, 999}},
      // Few values, so that equal records lie in every run of the merge.
      {7, {{{"K", 'C', 1}, {"M", 'N', 2}}, {{0, 1}}, 0, 50001}},
  };
  for (const int direction : {1, 2}) {
    for (const size_t count : {1u, 2u, 3u, 5u, 17u, 1001u}) {
      const Shape shape{{{"K", 'C', 20}, {"M", 'N', 3}}, {{0, direction}, {1, 2}}, 0, count};
      cases.push_back({static_cast<unsigned>(11 + cases.size()), shape});
    }
  }
  for (const auto& [seed, shape] : cases) {
    std::mt19937 random(seed);
    Check(shape, random, std::to_string(shape.count) + " records, first direction " +
                             std::to_string(shape.keys[0].direction));
    if (HasFatalFailure()) return;
  }
}
