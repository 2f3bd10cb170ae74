// Temporary working folders for score-file tests.
#include "ScratchFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(bool withDataFolder) : previous_(fs::current_path())
{
    std::string pattern = (fs::temp_directory_path() / "tavlo-game-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    root_ = pattern;
    // Open to all, so tests that drop to an ordinary user can work in it.
    fs::permissions(root_, fs::perms::all);
    if (withDataFolder) {
        fs::create_directory(root_ / "data");
        fs::permissions(root_ / "data", fs::perms::all);
    }
    fs::current_path(root_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(root_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

void ScratchFolder::writeScore(const std::string& bytes) const
{
    std::ofstream out(root_ / "data" / "data.iso", std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write the test's score file");
}

std::string ScratchFolder::readScore() const
{
    std::ifstream in(root_ / "data" / "data.iso", std::ios::binary);
    if (!in)
        throw std::runtime_error("the score file is missing");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int ScratchFolder::dataEntries() const
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root_ / "data"))
        ++n;
    return n;
}
