// Delimited text as rows of cells: reading a file's bytes and writing rows back.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// How much input the reader passes between two questions whether to go on.
inline constexpr std::size_t kCsvProgressBytes = 64 * 1024;

struct CsvTable {
    std::vector<std::vector<std::string>> rows;  // file order; every row has at least one cell
    std::size_t columnCount = 1;                 // the widest row's cell count
    bool hadMark = false;                        // a UTF-8 byte-order mark was skipped (and is written back)
};

// A double quote, CR, LF or NUL cannot separate cells: the reader could not tell them from the text.
bool UsableDelimiter(char delimiter);

// Reads every row of the text. CR LF and LF end a row; a delimiter right before a row end or the end of the
// text is followed by one more, empty, cell; inside a quoted cell every byte is kept. An empty text reads as
// one empty cell, so a file that exists always opens. checkForMark drops a leading UTF-8 byte-order mark.
CsvTable ParseCsv(std::string_view bytes, char delimiter, bool checkForMark);

// Asked with the bytes read so far and the whole input's size; false stops the reading.
using CsvGoOn = std::function<bool(std::size_t read, std::size_t total)>;
// The same reading for a long input that must not hold up its caller: goOn is asked at the first row end
// after every kCsvProgressBytes of input (a row longer than that is read whole first). nullopt when goOn
// said stop; what was read so far is dropped.
std::optional<CsvTable> ParseCsv(std::string_view bytes, char delimiter, bool checkForMark, const CsvGoOn& goOn);

// One cell as it is written: wrapped in double quotes (inner ones doubled) when it holds a double quote, the
// delimiter, CR or LF; else as it is. Titles follow the same rule: a title with a line end written bare would
// split the title row in two.
std::string QuoteCell(std::string_view text, char delimiter);
// The text wrapped in double quotes, inner ones doubled.
std::string Quoted(std::string_view text);

// Every row padded with empty cells to columnCount (a longer row keeps all its cells), each cell quoted, the
// delimiter between cells and CR LF after each row. withMark writes the UTF-8 byte-order mark first.
std::string CsvText(const std::vector<std::vector<std::string>>& rows, std::size_t columnCount, char delimiter,
                    bool withMark);

}  // namespace pw
