// What a field's cell accepts from a person, typed or pasted: text Save can
// store in the field as it stands. A character field takes at most its
// length in bytes; a numeric field a number (a comma or a point before the
// decimals) whose whole part fits beside its decimals; a date field eight
// digits of a calendar date (YYYYMMDD); a logical field T, F, Y, N, ?, 0 or
// 1; empty text any of them. Fields of other types are not edited in the
// grid (Save would drop the text).
#pragma once

#include "record_store.h"

#include <QString>

#include <optional>
#include <string_view>

// Why `bytes` cannot go into the field's cell, or nothing when they can.
std::optional<QString> TypedCellRefusal(const RecordStore::Field& field, std::string_view bytes);
