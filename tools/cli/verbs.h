// The verbs of pagewick-cli: each lives in its own file, over the same core code the program runs.
#pragma once

#include <span>

namespace pwcli {

// args holds what follows the verb's name on the command line. Returns the process exit code: 0 done,
// 1 a file or input could not be used (with a message), 2 a wrong call (the caller prints the usage).
using VerbMain = int (*)(std::span<char* const> args);

struct Verb {
    const char* name;
    const char* usage;  // the arguments after "pagewick-cli"
    VerbMain run;
};

int RenderVerb(std::span<char* const> args);
int WikiVerb(std::span<char* const> args);
int ExportVerb(std::span<char* const> args);
int DateVerb(std::span<char* const> args);
int CsvVerb(std::span<char* const> args);
int SearchVerb(std::span<char* const> args);
int FetchVerb(std::span<char* const> args);

inline constexpr Verb kVerbs[] = {
    {"render", "render FILE [--settings INI]   the page View mode shows for FILE", RenderVerb},
    {"wiki", "wiki FILE                      the wiki converter's output alone (line breaks on)", WikiVerb},
    {"export", "export ROOT OUT [--settings INI]  every note of ROOT as static pages in OUT", ExportVerb},
    {"date", "date TEMPLATE [--at YYYY-MM-DDTHH:MM:SS]  the template expanded now or at that local time", DateVerb},
    {"csv", "csv FILE [--delimiter C]       the rows and cells the spreadsheet reads from FILE, as JSON", CsvVerb},
    {"search", "search FOLDER TERM [--no-names]  the files a folder search opens, in the order it opens them",
     SearchVerb},
    {"fetch", "fetch URL FOLDER               the file the program saves from URL into FOLDER (HTTP/1.0), and its name",
     FetchVerb},
};

}  // namespace pwcli
