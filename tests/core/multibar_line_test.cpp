#include "multibar/multibar_line.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

using A = MultibarAction;
using M = SearchMode;
using P = ShownPane;

TEST(MultibarLineTest, EachLineTakesTheActionOfItsFirstMatchingPrefix)
{
    struct Case {
        const char* text;
        bool ctrl;  // run with Ctrl+Enter: web addresses are not recognised
        ShownPane pane;
        MultibarAction action;
        const char* argument;
        SearchMode mode;
    } cases[] = {
        {"", false, P::Text, A::Nothing, "", M::Unchanged},
        // Web addresses and searches, with any letter case; Ctrl+Enter makes them names.
        {"http://x.org", false, P::Text, A::Browse, "http://x.org", M::Unchanged},
        {"HTTP://x", false, P::Text, A::Browse, "HTTP://x", M::Unchanged},
        {"https://a", false, P::Sheet, A::Browse, "https://a", M::Unchanged},
        {"ftp:host", false, P::Text, A::Browse, "ftp:host", M::Unchanged},
        {"mailto:a@b", false, P::Web, A::Browse, "mailto:a@b", M::Unchanged},
        {"www.example.org", false, P::Text, A::Browse, "www.example.org", M::Unchanged},
        {"WWW.example.org", false, P::Text, A::Browse, "WWW.example.org", M::Unchanged},
        {"??? red apples", false, P::Text, A::Browse, "??? red apples", M::Unchanged},
        {"www.example.org", true, P::Text, A::Name, "www.example.org", M::None},
        {"http://x", true, P::Text, A::Name, "http://x", M::None},
        // With Ctrl+Enter "???" is a document search for what follows the first "?".
        {"??? red", true, P::Text, A::DocumentSearch, "?? red", M::Document},
        // Folder search: the space after the prefix is optional, the prefix letter's case is not significant.
        {"?dBudget", false, P::Text, A::FolderSearch, "Budget", M::Folder},
        {"?d Budget", false, P::Web, A::FolderSearch, "Budget", M::Folder},
        {"?D   Budget", false, P::Text, A::FolderSearch, "Budget", M::Folder},
        {"?d", false, P::Text, A::FolderSearch, "", M::Folder},
        // Keyword search.
        {"?k urgent", false, P::Text, A::KeywordSearch, "urgent", M::Keyword},
        {"?Kurgent", false, P::Text, A::KeywordSearch, "urgent", M::Keyword},
        // Document search by the pane that shows the file; a web page has none but the mode is set.
        {"? milk", false, P::Text, A::DocumentSearch, "milk", M::Document},
        {"?milk", false, P::Text, A::DocumentSearch, "milk", M::Document},
        {"? milk", false, P::Sheet, A::CellSearch, "milk", M::Document},
        {"? milk", false, P::Web, A::Nothing, "milk", M::Document},
        // Keywords: the third character is always skipped; a bare "kw" clears.
        {"kw urgent", false, P::Text, A::AddKeyword, "urgent", M::Unchanged},
        {"KW Urgent", false, P::Web, A::AddKeyword, "Urgent", M::Unchanged},
        {"kwurgent", false, P::Text, A::AddKeyword, "rgent", M::Unchanged},
        {"kw", false, P::Text, A::AddKeyword, "", M::Unchanged},
        {"kw  two", false, P::Text, A::AddKeyword, " two", M::Unchanged},
        // Everything else is a name, searched for as typed.
        {"budget", false, P::Text, A::Name, "budget", M::None},
        {"budget.csv", false, P::Text, A::Name, "budget.csv", M::None},
        {"k", false, P::Text, A::Name, "k", M::None},
        {"wwwx", false, P::Text, A::Name, "wwwx", M::None},
        {" ?d x", false, P::Text, A::Name, " ?d x", M::None},
    };
    for (const Case& c : cases) {
        const MultibarRun run = InterpretMultibarLine(c.text, !c.ctrl, c.pane);
        EXPECT_EQ(run.action, c.action) << c.text;
        EXPECT_EQ(run.argument, c.argument) << c.text;
        EXPECT_EQ(run.mode, c.mode) << c.text;
    }
}

TEST(MultibarLineTest, TermsAndNamesAreCutTo259Characters)
{
    const std::string long_(300, 'x');
    EXPECT_EQ(InterpretMultibarLine("?d " + long_, true, P::Text).argument, std::string(259, 'x'));
    EXPECT_EQ(InterpretMultibarLine("kw " + long_, true, P::Text).argument, std::string(259, 'x'));
    EXPECT_EQ(InterpretMultibarLine(long_, true, P::Text).argument, std::string(259, 'x'));
}

TEST(MultibarLineTest, FindNextTakesTheTermFromTheLineAgain)
{
    struct Case {
        const char* text;
        const char* term;
    } cases[] = {
        {"?d apple", "apple"}, {"?Kurgent", "urgent"}, {"? milk", "milk"}, {"?milk", "milk"}, {"xyz", "yz"}, {"?", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FindNextTerm(c.text), c.term) << c.text;
}

TEST(MultibarLineTest, WebSearchQueries)
{
    struct Case {
        const char* text;
        const char* url;
    } cases[] = {
        {"??? red apples+pears", "http://s/search?q=+red+apples%2Bpears"},
        {"???cats", "http://s/search?q=cats"},
        {"??? a++b", "http://s/search?q=+a%2B%2Bb"},
        {"???", ""},
        {"??", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WebSearchUrl(c.text, "http://s/search?q="), c.url) << c.text;
}

TEST(MultibarLineTest, AWebQueryStopsAt260CharactersWithoutCuttingAnEscape)
{
    EXPECT_EQ(WebSearchQuery("???" + std::string(300, ' ')), std::string(260, '+'));
    // 259 characters, then a "+" whose "%2B" would not fit: the query ends before it.
    EXPECT_EQ(WebSearchQuery("???" + std::string(259, 'a') + "+b"), std::string(259, 'a'));
    EXPECT_EQ(WebSearchQuery("???" + std::string(257, 'a') + "+b"), std::string(257, 'a') + "%2B");
}

TEST(MultibarLineTest, TheDefaultSearchAddressHasTheQueryForm)
{
    const std::string_view address = kDefaultBrowserSearchString;
    EXPECT_EQ(address.substr(0, 7), "http://");
    EXPECT_EQ(address.substr(address.size() - 10), "/search?q=");
}

}  // namespace
}  // namespace pw
