// The score file: line splitting, integer conversion, reading, and the all-or-nothing save.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

#include "ForkedRun.h"
#include "ScoreFile.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no failure)";
}

std::string notAnInteger(const std::string& line) { return "'" + line + "' is not a valid integer value"; }

const ScoreFile scoreFile{ScoreFilePath};

}  // namespace

TEST(ScoreFile, SplitsLinesAtCrLfAndCrLfEndingAtNul)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"0", {"0"}},
        {"42\r\n", {"42"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},           // LF CR is two breaks
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\0abc"s, {}},                        // a NUL first: no line at all
        {"12\0\r\nxyz"s, {"12"}},
        {"x\n\0\n"s, {"x"}},
        {"\xEF\xBB\xBF" "7\n", {"\xEF\xBB\xBF" "7"}},
        {" a\tb \n\xff\x80", {" a\tb ", "\xff\x80"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScoreFile::splitLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST(ScoreFile, ConvertsDecimalAndHexadecimalLines)
{
    const std::pair<std::string, std::int32_t> valid[] = {
        {"0", 0}, {"  42", 42}, {"+17", 17}, {"-5", -5}, {"007", 7}, {"-0", 0},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"+2147483647", INT_MAX},
        {"$1F", 31}, {"x1f", 31}, {"X1F", 31}, {"0x1F", 31}, {"0X1f", 31}, {"  $a", 10},
        {"$FFFFFFFF", -1}, {"$80000000", INT_MIN}, {"$7FFFFFFF", INT_MAX}, {"0x0000000000ff", 255},
    };
    for (const auto& [line, value] : valid)
        EXPECT_EQ(ScoreFile::toInteger(line), value) << '"' << line << '"';

    const std::string invalid[] = {
        "", " ", "42 ", "\t42", "abc", "2147483648", "-2147483649", "99999999999999999999999",
        "+", "-", "$", "x", "0x", "-$1F", "+0x1F", "$-1", "$100000000", "1e3", "0x1G", "12a",
        "- 5", "0b1", "\xEF\xBB\xBF" "7", "4\xff",
    };
    for (const std::string& line : invalid)
        EXPECT_EQ(messageOf([&] { ScoreFile::toInteger(line); }), notAnInteger(line)) << '"' << line << '"';
}

TEST(ScoreFile, ReadsTheLinesOrSaysItCannotOpenTheFile)
{
    ScratchFolder folder;
    EXPECT_EQ(messageOf([] { scoreFile.load(); }), "Cannot open file data/data.iso") << "missing";

    fs::create_directory("data/data.iso");
    EXPECT_EQ(messageOf([] { scoreFile.load(); }), "Cannot open file data/data.iso") << "a folder";
    fs::remove("data/data.iso");

    folder.writeScore("  31\nsecond\n\rfourth\0gone"s);
    EXPECT_EQ(scoreFile.load(), (std::vector<std::string>{"  31", "second", "", "fourth"}));

    fs::permissions("data/data.iso", fs::perms::none);
    EXPECT_EQ(runInChild(asOrdinaryUser(), [] {
                  scoreFile.load();
                  return std::string("read");
              }),
              "Cannot open file data/data.iso")
        << "no read permission";
}

TEST(ScoreFile, SavesEveryLineWithCrLfReplacingTheWholeFile)
{
    ScratchFolder folder;
    folder.writeScore(std::string(500, 'z'));
    fs::permissions("data/data.iso", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    scoreFile.save({"12", "", "free text \xff", "last"});
    EXPECT_EQ(folder.readScore(), "12\r\n\r\nfree text \xff\r\nlast\r\n");
    EXPECT_EQ(fs::status("data/data.iso").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << "the file keeps its permissions";
    EXPECT_EQ(folder.dataEntries(), 1) << "no temporary file is left";

    fs::remove("data/data.iso");
    scoreFile.save({"7"});
    EXPECT_EQ(folder.readScore(), "7\r\n") << "a missing file is created";
}

TEST(ScoreFile, AFailedSaveLeavesTheFormerContentAndNoTemporaryFile)
{
    const std::string former = "25\r\nkept\r\n";
    const std::vector<std::string> lines = {"3", "kept", std::string(4000, 'k')};
    const auto save = [&lines] {
        scoreFile.save(lines);
        return std::string("saved");
    };
    struct Case {
        const char* what;
        std::function<void()> prepare;
        ChildLimits limits;
        std::string message;
    };
    const Case cases[] = {
        {"read-only file", [] { fs::permissions("data/data.iso", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read); },
         asOrdinaryUser(), "Cannot create file data/data.iso"},
        {"read-only folder", [] { fs::permissions("data", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec); },
         asOrdinaryUser(), "Cannot create file data/data.iso"},
        {"write cut short", [] {}, withFileSizeLimit(100), "Stream write error"},
        {"no byte written", [] {}, withFileSizeLimit(0), "Stream write error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        folder.writeScore(former);
        fs::permissions("data/data.iso", fs::perms::all);
        c.prepare();
        EXPECT_EQ(runInChild(c.limits, save), c.message);
        EXPECT_EQ(folder.readScore(), former);
        EXPECT_EQ(folder.dataEntries(), 1);
    }
    ChildLimits both = asOrdinaryUser();
    both.fileSizeLimit = 1000000;
    EXPECT_EQ(runInChild(both, [&] {
                  ScratchFolder folder;
                  folder.writeScore(former);
                  return save();
              }),
              "saved")
        << "the same limits leave an ordinary save working";
}

TEST(ScoreFile, SaveSaysItCannotCreateTheFileWithoutItsFolderOrOverAFolder)
{
    {
        ScratchFolder folder(false);
        EXPECT_EQ(messageOf([] { scoreFile.save({"1"}); }), "Cannot create file data/data.iso");
        EXPECT_FALSE(fs::exists("data"));
    }
    ScratchFolder folder;
    fs::create_directory("data/data.iso");
    EXPECT_EQ(messageOf([] { scoreFile.save({"1"}); }), "Cannot create file data/data.iso");
    EXPECT_TRUE(fs::is_directory("data/data.iso"));
    EXPECT_EQ(folder.dataEntries(), 1);
}
