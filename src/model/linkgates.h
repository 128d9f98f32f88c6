// One straight segment of a link. A link with k bends is a chain of k + 1 segments
// joined at nodes: every segment but the last ends at a node (ToNode) and names
// the next segment's link slot in Next. Segments name gates by slot index.
#pragma once

#include "model/types.h"

namespace tessara {

class FieldWriter;
class FieldReader;

class Link {
 public:
  std::int16_t Next = 0;          // link slot of the next segment; read only while ToNode
  bool FromNode = false;          // the segment starts at a node
  std::int16_t Source = 0;        // gate slot of the source
  std::int16_t SourceOutput = 0;  // output number at the source; always 0
  bool ToNode = false;            // the segment ends at a node and the chain goes on
  std::int16_t Target = 0;        // gate slot of the target
  std::int16_t TargetInput = 0;   // input number at the target

  void SetStart(std::int16_t index, std::int16_t num) {
    Source = index;
    SourceOutput = num;
  }
  void SetStop(std::int16_t index, std::int16_t num) {
    Target = index;
    TargetInput = num;
  }
  bool GetUsed() const { return Used; }
  void SetUsed(bool Value) { Used = Value; }

  // Appends the link record: 1, used, Next, FromNode, Source, SourceOutput,
  // ToNode, Target, TargetInput.
  void WriteToFile(FieldWriter& fd, double version) const;
  // Reads one link record and stores all eight members, used or not. Members are
  // stored only when the whole record reads; a failure is left in the reader, and
  // so is a record whose Next, Source or Target lies outside 0..50 or
  // whose TargetInput lies outside 0..2.
  void ReadFromFile(FieldReader& fd, double version);

  bool operator==(const Link&) const = default;

 private:
  bool Used = false;
};

}  // namespace tessara
