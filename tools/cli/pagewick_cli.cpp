// pagewick-cli: the core's converters for scripts and checks. Each verb is in tools/cli/<verb>_verb.cpp.
#include <span>
#include <string_view>

#include "cli_common.h"
#include "verbs.h"

int main(int argc, char** argv)
{
    if (argc < 2) return pwcli::Usage();
    const std::string_view name = argv[1];
    for (const pwcli::Verb& verb : pwcli::kVerbs) {
        if (name != verb.name) continue;
        const int code = verb.run(std::span<char* const>(argv + 2, static_cast<size_t>(argc - 2)));
        return code == 2 ? pwcli::Usage() : code;
    }
    return pwcli::Usage();
}
