// The result file: 100 records of 48 characters and CR LF, one point a record, x in
// columns 1 to 24 and y in columns 25 to 48.
#pragma once

#include <cstddef>
#include <string>

#include "formula.h"
#include "textio.h"

constexpr int RESULT_FILE_UNIT = 7;
constexpr std::size_t RESULT_FIELD_WIDTH = 24;
constexpr std::size_t RESULT_RECORD_LENGTH = 2 * RESULT_FIELD_WIDTH + 2; // with CR LF
constexpr std::size_t RESULT_FILE_SIZE = POINT_COUNT * RESULT_RECORD_LENGTH;

// The file dialogs in which both editions choose a result file: the filter (pairs of texts,
// each ending in a NUL, and a NUL after the last), the default extension and the titles.
constexpr char RESULT_FILE_FILTER[] = "Lorvex Ergebnis Dateien\0*.dat\0Alle Dateien\0*.*\0";
constexpr char RESULT_FILE_EXTENSION[] = "dat";
constexpr char LOAD_DIALOG_TITLE[] = "W\xE4hle zu ladende Ergebnisdatei";
constexpr char SAVE_DIALOG_TITLE[] = "W\xE4hle Dateinamen zum Speichern der Ergebnisse";

// The 24-character field of one value.
std::string ResultNumberField(double v);

// The complete file content for a table (RESULT_FILE_SIZE bytes).
std::string ResultFileContent(const ResultTable& t);

// Reads 100 points from `reader`, each read starting on a new record, by the rules of
// ParseResultFile.
bool ReadResultTable(RecordReader& reader, ResultTable& table, IoError& error);

// Reads 100 points, each read starting on a new record. `table` is replaced only when all
// 100 reads succeed; a null value keeps the point's current value.
bool ParseResultFile(const std::string& content, ResultTable& table, IoError& error);

// Loads `path` into `table` by the rules of ParseResultFile, reading the file line by line
// only as far as the 100 reads go; on failure `table` is unchanged.
bool ReadResultFile(const std::string& path, ResultTable& table, IoError& error);

// Saves `table` to `path`. The content goes to a temporary file in the same folder first,
// which then replaces the target, so a failed save leaves an existing file as it was.
// An existing read-only file is reported as WriteReadOnly and not touched; a failure after
// the temporary file was opened is WriteError, and the temporary file is removed.
bool WriteResultFile(const std::string& path, const ResultTable& table, IoError& error);

// The path held in a fixed-length name field: the characters before its first NUL, without
// trailing blanks.
std::string ResultFilePath(const char* field, std::size_t len);
