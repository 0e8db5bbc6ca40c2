// Exporting a root as static pages: which files become pages, how note links resolve, and a small root
// exported and compared file by file with pages checked by hand.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_files.h"
#include "render/export_files.h"
#include "render/site_export.h"
#include "settings/settings_store.h"

namespace pw {
namespace {

namespace fs = std::filesystem;

TEST(SiteExportTest, NotesBecomePagesPicturesAreCopiedTheRestIsLeft)
{
    const StringList markdown = {".md", ".markdown", ".mdown"};
    struct Case {
        const char* name;
        ExportRole role;
    };
    for (const Case& c :
         {Case{"a.txt", ExportRole::Page}, Case{"a.WKI", ExportRole::Page}, Case{"a.mdown", ExportRole::Page},
          Case{"photo.PNG", ExportRole::Copy}, Case{"a.txt.fw", ExportRole::Skip}, Case{"budget.csv", ExportRole::Skip},
          Case{"README", ExportRole::Skip}, Case{"tool.exe", ExportRole::Skip}})
        EXPECT_EQ(ExportRoleOf(c.name, markdown), c.role) << c.name;
}

TEST(SiteExportTest, NoteLinksPointAtThePagesOfTheFolder)
{
    ExportFolder folder;
    folder.notes = {"Plan.md", "plan.md.txt", "Tom & Jerry.txt", "Trip.wki", "50% off.txt"};
    folder.rootExtension = ".md";
    folder.defaultExtension = ".txt";
    struct Case {
        const char* html;
        const char* expected;
    };
    const Case cases[] = {
        // The name as it is, then with the root's extension, then the default one, then any note kind.
        {"<a href=\"fw:Plan.md\">x</a>", "<a href=\"Plan.md.html\">x</a>"},
        {"<a href=\"fw:PLAN\">x</a>", "<a href=\"Plan.md.html\">x</a>"},
        {"<a href=\"fw:Tom%20&amp;%20Jerry\">x</a>", "<a href=\"Tom%20&amp;%20Jerry.txt.html\">x</a>"},
        {"<a href=\"fw:Trip\">x</a>", "<a href=\"Trip.wki.html\">x</a>"},
        {"<a href=\"fw:50%%20off\">x</a>", "<a href=\"50%25%20off.txt.html\">x</a>"},
        // A note that is not there: the text stays, the link goes.
        {"<a href=\"fw:Nowhere\">x</a>", "<a title=\"No note named Nowhere\">x</a>"},
        {"<a href=\"fw:\">x</a>", "<a title=\"No note named \">x</a>"},
        // Other links and an unterminated address are left as they are.
        {"<a href=\"http://example.org/fw:Plan\">x</a> <a href=\"fw:Plan",
         "<a href=\"http://example.org/fw:Plan\">x</a> <a href=\"fw:Plan"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveExportLinks(c.html, folder), c.expected) << c.html;
}

TEST(SiteExportTest, IndexPageListsFoldersThenNotesAndLinksUp)
{
    ExportFolder folder;
    folder.title = "Journal\\2026";
    folder.depth = 2;
    folder.notes = {"a b.txt"};
    folder.folders = {"Old"};
    const std::string page = ExportIndexPage(folder);
    EXPECT_NE(page.find("<link rel=\"stylesheet\" href=\"../../markup.css\""), std::string::npos) << page;
    EXPECT_NE(page.find("<li><a href=\"../index.html\">[ . . ]</a></li>\n"
                        "<li><a href=\"Old/index.html\">Old\\</a></li>\n"
                        "<li><a href=\"a%20b.txt.html\">a b.txt</a></li>\n"),
              std::string::npos)
        << page;
}

std::map<std::string, std::string> FilesUnder(const fs::path& top)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[fs::relative(entry.path(), top).generic_string()] =
            std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return files;
}

class ExportFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        temp = fs::temp_directory_path() / ("pagewick-export-" + name);
        fs::remove_all(temp);
        fs::create_directories(temp);
    }
    void TearDown() override { fs::remove_all(temp); }

    ExportResult Export(const fs::path& root, const fs::path& out)
    {
        ExportRequest request;
        request.root = root;
        request.out = out;
        request.styleSheet = data / "style.css";
        request.report = [this](const std::string& problem) { problems.push_back(problem); };
        return ExportRoot(request, store);
    }

    const fs::path data = fs::path(PW_TEST_DATA) / "export";
    fs::path temp;
    test::MemoryFiles files;
    SettingsStore store{files};
    std::vector<std::string> problems;
};

TEST_F(ExportFilesTest, ASmallRootComesOutFileByFile)
{
    const ExportResult result = Export(data / "root", temp / "site");
    ASSERT_TRUE(result.started) << result.message;
    EXPECT_EQ(result.pages, 4);
    EXPECT_EQ(result.pictures, 1);
    EXPECT_TRUE(problems.empty());
    // Hidden folders, info files and spreadsheets are left out; "imgs" is copied without an index page.
    const std::map<std::string, std::string> written = FilesUnder(temp / "site");
    const std::map<std::string, std::string> expected = FilesUnder(data / "expected");
    for (const auto& [path, bytes] : expected) {
        const auto found = written.find(path);
        ASSERT_NE(found, written.end()) << path;
        EXPECT_EQ(found->second, bytes) << path;
    }
    for (const auto& [path, bytes] : written) EXPECT_EQ(expected.count(path), 1u) << "not expected: " << path;
}

TEST_F(ExportFilesTest, RefusesAnOutputFolderInsideOrAroundTheRoot)
{
    const fs::path root = temp / "notes";
    fs::create_directories(root / "Sub");
    std::ofstream(root / "a.txt") << "a";
    for (const fs::path& out : {root, root / "Sub" / "site", temp, fs::path(temp / "notes" / ".." / "notes")}) {
        const ExportResult result = Export(root, out);
        EXPECT_FALSE(result.started) << out;
        EXPECT_FALSE(result.message.empty()) << out;
    }
    EXPECT_FALSE(fs::exists(root / "Sub" / "site"));
    EXPECT_FALSE(fs::exists(root / "index.html"));
    EXPECT_FALSE(fs::exists(temp / "index.html"));
    const ExportResult missing = Export(temp / "no such root", temp / "site");
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(fs::exists(temp / "site"));
}

}  // namespace
}  // namespace pw
