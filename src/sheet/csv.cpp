// The reader cuts cells out of the text in one pass; the writer is its inverse for every text a cell can hold.
#include "sheet/csv.h"

#include <cstring>

namespace pw {
namespace {

constexpr char kQuote = '"';

// Every pair of double quotes becomes one.
void AppendUnescaped(std::string& out, std::string_view raw)
{
    for (std::size_t i = 0; i < raw.size(); ++i) {
        out.push_back(raw[i]);
        if (raw[i] == kQuote && i + 1 < raw.size() && raw[i + 1] == kQuote) ++i;
    }
}

class Reader {
public:
    Reader(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter)
    {
        stops_[static_cast<unsigned char>(delimiter)] = true;
        stops_[static_cast<unsigned char>('\n')] = true;
        stops_[static_cast<unsigned char>('\r')] = true;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Position() const { return pos_; }

    // One row: cells up to a row end or the end of the text. A delimiter always starts one more cell.
    std::vector<std::string> Row(std::size_t expected)
    {
        std::vector<std::string> cells;
        cells.reserve(expected);
        for (;;) {
            cells.push_back(Cell());
            if (AtEnd()) break;
            const char c = text_[pos_];
            if (c == delimiter_) {
                ++pos_;
                continue;
            }
            // At a line end: LF, or CR LF (a lone CR is text and never stops a cell).
            pos_ += c == '\r' ? 2 : 1;
            break;
        }
        return cells;
    }

private:
    bool AtRowEnd(std::size_t at) const
    {
        return text_[at] == '\n' || (text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n');
    }

    // Scans from pos_ to the next delimiter or row end (or the end of the text) and returns what it passed.
    std::string_view Plain()
    {
        const std::size_t start = pos_;
        const char* data = text_.data();
        const std::size_t size = text_.size();
        while (pos_ < size) {
            const auto c = static_cast<unsigned char>(data[pos_]);
            if (stops_[c]) {
                if (c != '\r' || AtRowEnd(pos_)) break;
            }
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    std::string Cell()
    {
        std::size_t first = pos_;
        // Blanks before an opening quote are skipped, unless the blank is the delimiter itself.
        while (delimiter_ != ' ' && first < text_.size() && text_[first] == ' ') ++first;
        std::string cell;
        if (first < text_.size() && text_[first] == kQuote) {
            pos_ = first + 1;
            Quoted(cell);
        }
        // A plain cell keeps its leading blanks; after a closing quote, anything up to the delimiter or the
        // row end still belongs to the same cell.
        const std::string_view rest = Plain();
        if (rest.find(kQuote) == std::string_view::npos) {
            cell.append(rest);
        } else {
            AppendUnescaped(cell, rest);
        }
        return cell;
    }

    // From just after the opening quote to just after the closing one (or the end of the text).
    void Quoted(std::string& cell)
    {
        for (;;) {
            const void* found = std::memchr(text_.data() + pos_, kQuote, text_.size() - pos_);
            if (!found) {
                cell.append(text_.substr(pos_));
                pos_ = text_.size();
                return;
            }
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
            cell.append(text_.substr(pos_, at - pos_));
            if (at + 1 < text_.size() && text_[at + 1] == kQuote) {
                cell.push_back(kQuote);
                pos_ = at + 2;
                continue;
            }
            pos_ = at + 1;
            return;
        }
    }

    std::string_view text_;
    char delimiter_;
    bool stops_[256] = {};
    std::size_t pos_ = 0;
};

bool NeedsQuotes(std::string_view text, char delimiter)
{
    for (const char c : text) {
        if (c == kQuote || c == delimiter || c == '\r' || c == '\n') return true;
    }
    return false;
}

}  // namespace

bool UsableDelimiter(char delimiter)
{
    return delimiter != kQuote && delimiter != '\r' && delimiter != '\n' && delimiter != '\0';
}

std::optional<CsvTable> ParseCsv(std::string_view bytes, char delimiter, bool checkForMark, const CsvGoOn& goOn)
{
    CsvTable table;
    const std::size_t total = bytes.size();
    if (checkForMark && bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        table.hadMark = true;
    }
    // One row per line end at most: the count reserves the rows in one step.
    std::size_t lines = 1;
    for (const char* at = bytes.empty() ? nullptr : bytes.data();
         at && (at = static_cast<const char*>(
                    std::memchr(at, '\n', static_cast<std::size_t>(bytes.data() + bytes.size() - at))));
         ++at)
        ++lines;
    table.rows.reserve(lines);
    Reader reader(bytes, delimiter);
    std::size_t nextQuestion = kCsvProgressBytes;
    do {
        table.rows.push_back(reader.Row(table.rows.empty() ? 1 : table.rows.back().size()));
        if (table.rows.back().size() > table.columnCount) table.columnCount = table.rows.back().size();
        if (goOn && reader.Position() >= nextQuestion) {
            if (!goOn(total - bytes.size() + reader.Position(), total)) return std::nullopt;
            nextQuestion = (reader.Position() / kCsvProgressBytes + 1) * kCsvProgressBytes;
        }
    } while (!reader.AtEnd());
    return table;
}

CsvTable ParseCsv(std::string_view bytes, char delimiter, bool checkForMark)
{
    return *ParseCsv(bytes, delimiter, checkForMark, CsvGoOn());
}

std::string QuoteCell(std::string_view text, char delimiter)
{
    return NeedsQuotes(text, delimiter) ? Quoted(text) : std::string(text);
}

std::string Quoted(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back(kQuote);
    for (const char c : text) {
        out.push_back(c);
        if (c == kQuote) out.push_back(kQuote);
    }
    out.push_back(kQuote);
    return out;
}

std::string CsvText(const std::vector<std::vector<std::string>>& rows, std::size_t columnCount, char delimiter,
                    bool withMark)
{
    std::string out;
    if (withMark) out.append(kUtf8Mark);
    for (const std::vector<std::string>& row : rows) {
        const std::size_t cells = row.size() > columnCount ? row.size() : columnCount;
        for (std::size_t c = 0; c < cells; ++c) {
            if (c > 0) out.push_back(delimiter);
            if (c >= row.size()) continue;
            // A first cell that begins with the mark's bytes is quoted, or the next read would take them for
            // the mark and drop them.
            const bool first = &row == &rows.front() && c == 0;
            out.append(first && !withMark && row[c].starts_with(kUtf8Mark) ? Quoted(row[c])
                                                                           : QuoteCell(row[c], delimiter));
        }
        out.append("\r\n");
    }
    return out;
}

}  // namespace pw
