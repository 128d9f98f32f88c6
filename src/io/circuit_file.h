// Circuit files (".cir"): writing, reading, saving and loading.
//
// Grammar (the writer produces exactly this; 106 lines, each ending CRLF):
//   file     = header 51*gate 51*link
//   header   = "Tessara" / "Orvandel" / "Quillmarsh" / "Version",0.3
//   gate     = type,x,y,used,orientation        type 2..10, or 11 for an empty slot
//   link     = 1,used,LinkTo,StartIsNode,StartIndex,Start_Num,StopIsNode,StopIndex,Stop_Num
// (filled in by the reader's author)
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"

namespace tessara {

// Why a circuit file could not be read or written.
struct FileError {
  std::string reason;
  int line = 0;  // 1-based line of the failing field; 0 when no line applies
};

// A whole document, or the reason it could not be read: never half of one.
struct LoadResult {
  std::optional<Document> document;
  FileError error;  // meaningful only without a document
};

// The file text of doc: 106 lines, CRLF, byte for byte the format above.
std::string WriteCircuit(const Document& doc);

// Reads a whole file text into a new document (reset state, then the records).
LoadResult ReadCircuit(std::string_view text);

// Reads the file at path and parses it with ReadCircuit.
LoadResult LoadCircuitFile(const std::string& path);

// Writes doc to path without ever damaging the file it replaces: the text goes to a
// temporary file beside path, is flushed and renamed over it. Returns the reason on
// failure, with the old file intact and no temporary left.
std::optional<FileError> SaveCircuitFile(const Document& doc, const std::string& path);

// "<path>: line <n>: <reason>", or "<path>: <reason>" when no line applies.
std::string Describe(const std::string& path, const FileError& error);

}  // namespace tessara
