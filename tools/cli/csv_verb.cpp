// pagewick-cli csv: a delimited file as the program reads it, as JSON (an array of rows of cell strings).
#include <cstdio>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "sheet/csv.h"
#include "verbs.h"

namespace pwcli {
namespace {

// JSON string text of bytes: the escapes JSON requires; bytes above 127 are passed through as they are.
void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out.push_back(kHex[byte >> 4]);
                    out.push_back(kHex[byte & 15]);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

}  // namespace

int CsvVerb(std::span<char* const> args)
{
    char delimiter = ',';
    if (args.size() == 3 && std::string_view(args[1]) == "--delimiter") {
        if (std::string_view(args[2]).size() != 1 || !pw::UsableDelimiter(args[2][0])) {
            std::fprintf(stderr, "pagewick-cli: --delimiter wants one character other than a double quote, not '%s'\n",
                         args[2]);
            return 2;
        }
        delimiter = args[2][0];
    } else if (args.size() != 1) {
        return 2;
    }
    const std::optional<std::string> bytes = ReadBytes(args[0]);
    if (!bytes) return CannotRead(args[0]);
    const pw::CsvTable table = pw::ParseCsv(*bytes, delimiter, true);
    std::string out = "[";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += r == 0 ? "\n  [" : ",\n  [";
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            if (c > 0) out += ", ";
            AppendJsonString(out, table.rows[r][c]);
        }
        out += "]";
    }
    out += "\n]\n";
    WriteOut(out);
    return 0;
}

}  // namespace pwcli
