#include "model/linkgates.h"

#include <string>

#include "model/fields.h"

namespace tessara {
namespace {

// The leading field of every link record: the link tool's code.
constexpr Long kLinkRecordCode = kLinkTool;
// Input places a gate has (0..2); a link can only end at one of them.
constexpr Integer kInputPlaces = 3;

// Reads an Integer that must lie in 0..limit - 1; anything else fails the reader with
// a reason naming the member.
Integer ReadIndex(FieldReader& fd, const char* member, Integer limit) {
  const Integer value = fd.Integer();
  if (!fd.Failed() && (value < 0 || value >= limit)) {
    fd.Fail(Words("Files", TESSARA_PHRASE("Files", "%1 %2 is outside 0 to %3"), member,
                  std::to_string(value), std::to_string(limit - 1)));
  }
  return value;
}

}  // namespace

void linkgates::WriteToFile(FieldWriter& fd, Double) const {
  fd.Whole(kLinkRecordCode);
  fd.Boolean(Used);
  fd.Whole(LinkTo);
  fd.Boolean(StartIsNode);
  fd.Whole(StartIndex);
  fd.Whole(Start_Num);
  fd.Boolean(StopIsNode);
  fd.Whole(StopIndex);
  fd.Whole(Stop_Num);
  fd.EndRecord();
}

void linkgates::ReadFromFile(FieldReader& fd, Double) {
  linkgates read;
  fd.Long();
  read.Used = fd.Boolean();
  read.LinkTo = ReadIndex(fd, "LinkTo", kSlotCount);
  read.StartIsNode = fd.Boolean();
  read.StartIndex = ReadIndex(fd, "StartIndex", kSlotCount);
  read.Start_Num = fd.Integer();
  read.StopIsNode = fd.Boolean();
  read.StopIndex = ReadIndex(fd, "StopIndex", kSlotCount);
  read.Stop_Num = ReadIndex(fd, "Stop_Num", kInputPlaces);
  if (!fd.Failed()) *this = read;
}

}  // namespace tessara
