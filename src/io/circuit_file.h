// Circuit files (".cir"): writing, reading, saving and loading.
//
// The format. The writer produces exactly this: 106 lines of plain ASCII, each
// ending CRLF, fields separated by one comma, no spaces.
//
//   file     = header gate{51} link{51}            slots 0..50 in order, used or not
//   header   = "Tessara" NL "Orvandel" NL "Quillmarsh" NL "Version" "," 0.3 NL
//   gate     = type "," x "," y "," used "," orientation NL
//   link     = 1 "," used "," Next "," FromNode "," Source "," SourceOutput ","
//              ToNode "," Target "," TargetInput NL
//   NL       = CR LF
//
//   type         32-bit whole: the kind's code 2..10; 11 for an empty slot, whose record is
//                always 11,0,0,#FALSE#,0
//   x, y         float: the gate's top-left corner in twips, rounded to 7
//                significant digits, trailing zeros dropped, no exponent, leading
//                zero before a point (8200, 1234.5, -150, 0.3)
//   used         flag: #TRUE# or #FALSE#
//   orientation  32-bit whole: 0..3, a quarter turn each
//   Next, Source, Target   16-bit whole: slot indices 0..50
//   SourceOutput           16-bit whole: always 0
//   TargetInput            16-bit whole: the target's input number 0..2
//   FromNode, ToNode       flags
//
// The reader takes the file as a stream of fields:
//   - a field ends at a comma or at a line end (CRLF, LF or CR), so records need
//     not keep to their lines; spaces and tabs before a field are skipped;
//   - double quotes around a field are optional; the header's text fields are
//     not examined, nor its version beyond being a number (read as a double);
//   - #TRUE# and #FALSE# in any letter case;
//   - numbers in any decimal form: sign, leading zero and exponent optional
//     ("-150", ".5", "+1.2e3");
//   - text after the last link record is ignored.
// A text that ends within the header or whose version is no number, and a refused
// text holding a control character other than tab, CR and LF (a picture, a binary),
// is refused as "not a Tessara circuit file" at line 1.
// Otherwise it refuses the whole file, naming the reason and the line of the failing
// field, when the text ends early, a field does not convert to its type, a number does not
// fit its type (16-bit, 32-bit, a finite float), a whole-number
// field holds a fraction, or a link record (used or not) holds a Next,
// Source or Target outside 0..50 or a TargetInput outside 0..2.
// A gate record counts only when used is #TRUE#: codes 2..10 put that kind in its
// slot at x, y (not pinned to any column) with its orientation, unchecked; any
// other code, and every record not in use, leaves the slot empty. Every link record
// is stored whole, used or not. Signal values, tool and power are not saved: a
// loaded document starts with every value False, tool 0 and power off.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"
#include "model/phrase.h"

namespace tessara {

// Why a circuit file could not be read or written.
struct FileError {
  Phrase reason;  // of context "Files", in English as the tools write it
  int line = 0;   // 1-based line of the failing field; 0 when no line applies
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

// Far beyond any circuit file; keeps a device or a huge file from being read whole.
inline constexpr std::size_t kMaxCircuitFileBytes = std::size_t{1} << 20;

// The whole text of the file at path, or the reason (line 0) it cannot be had: it
// cannot be opened or read ("cannot open: No such file or directory"), is not a
// regular file (a named pipe, a device: refused before anything is read, never
// waited on), or is larger than limit ("cannot read: File too large").
struct TextResult {
  std::optional<std::string> text;
  FileError error;  // meaningful only without a text
};
TextResult ReadFileText(const std::string& path, std::size_t limit = kMaxCircuitFileBytes);

// The whole of standard input, read to its end (waiting for it as a pipe or terminal
// needs), or the reason it cannot be had, as ReadFileText gives it.
TextResult ReadStandardInput(std::size_t limit);

// Reads the file at path with ReadFileText and parses it with ReadCircuit.
LoadResult LoadCircuitFile(const std::string& path);

// Writes doc to path without ever damaging the file it replaces: the text goes to a
// temporary file beside path, is flushed and renamed over it (see ReplaceFile).
// Returns the reason on failure (line 0), with the old file intact and no temporary
// left.
std::optional<FileError> SaveCircuitFile(const Document& doc, const std::string& path);

// "line <n>: <reason>", or "<reason>" when no line applies.
std::string Describe(const FileError& error);

// "<path>: line <n>: <reason>", or "<path>: <reason>" when no line applies.
std::string Describe(const std::string& path, const FileError& error);

}  // namespace tessara
