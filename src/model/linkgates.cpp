#include "model/linkgates.h"

#include <string>

#include "model/fields.h"

namespace tessara {
namespace {

// The leading field of every link record: the link tool's code.
constexpr std::int32_t kLinkRecordCode = kLinkTool;
// Input places a gate has (0..2); a link can only end at one of them.
constexpr std::int16_t kInputPlaces = 3;

// Reads a 16-bit whole number that must lie in 0..limit - 1; anything else fails the reader with
// a reason naming the member.
std::int16_t ReadIndex(FieldReader& fd, const char* member, std::int16_t limit) {
  const std::int16_t value = fd.Int16();
  if (!fd.Failed() && (value < 0 || value >= limit)) {
    fd.Fail(Words("Files", TESSARA_PHRASE("Files", "%1 %2 is outside 0 to %3"), member,
                  std::to_string(value), std::to_string(limit - 1)));
  }
  return value;
}

}  // namespace

void Link::WriteToFile(FieldWriter& fd, double) const {
  fd.Whole(kLinkRecordCode);
  fd.Flag(Used);
  fd.Whole(Next);
  fd.Flag(FromNode);
  fd.Whole(Source);
  fd.Whole(SourceOutput);
  fd.Flag(ToNode);
  fd.Whole(Target);
  fd.Whole(TargetInput);
  fd.EndRecord();
}

void Link::ReadFromFile(FieldReader& fd, double) {
  Link read;
  fd.Int32();
  read.Used = fd.Flag();
  read.Next = ReadIndex(fd, "LinkTo", kSlotCount);
  read.FromNode = fd.Flag();
  read.Source = ReadIndex(fd, "StartIndex", kSlotCount);
  read.SourceOutput = fd.Int16();
  read.ToNode = fd.Flag();
  read.Target = ReadIndex(fd, "StopIndex", kSlotCount);
  read.TargetInput = ReadIndex(fd, "Stop_Num", kInputPlaces);
  if (!fd.Failed()) *this = read;
}

}  // namespace tessara
