// One straight segment of a link. A link with k bends is a chain of k + 1 segments
// joined at nodes: every segment but the last ends at a node (StopIsNode) and names
// the next segment's link slot in LinkTo. Segments name gates by slot index.
#pragma once

#include "model/types.h"

namespace tessara {

class FieldWriter;
class FieldReader;

class linkgates {
 public:
  Integer LinkTo = 0;           // link slot of the next segment; read only while StopIsNode
  Boolean StartIsNode = false;  // the segment starts at a node
  Integer StartIndex = 0;       // gate slot of the source
  Integer Start_Num = 0;        // output number at the source; always 0
  Boolean StopIsNode = false;   // the segment ends at a node and the chain goes on
  Integer StopIndex = 0;        // gate slot of the target
  Integer Stop_Num = 0;         // input number at the target

  void SetStart(Integer index, Integer num) {
    StartIndex = index;
    Start_Num = num;
  }
  void SetStop(Integer index, Integer num) {
    StopIndex = index;
    Stop_Num = num;
  }
  Boolean GetUsed() const { return Used; }
  void SetUsed(Boolean Value) { Used = Value; }

  // Appends the link record: 1, used, LinkTo, StartIsNode, StartIndex, Start_Num,
  // StopIsNode, StopIndex, Stop_Num.
  void WriteToFile(FieldWriter& fd, Double version) const;
  // Reads one link record and stores all eight members, used or not. Members are
  // stored only when the whole record reads; a failure is left in the reader, and
  // so is a record whose LinkTo, StartIndex or StopIndex lies outside 0..50 or
  // whose Stop_Num lies outside 0..2.
  void ReadFromFile(FieldReader& fd, Double version);

  bool operator==(const linkgates&) const = default;

 private:
  Boolean Used = false;
};

}  // namespace tessara
