// Temporary working folders for the programs of the window tests.
#include "RunFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

#include "ChildProcess.h"

namespace fs = std::filesystem;

RunFolder::RunFolder(const fs::path& dataSource)
{
    std::string pattern = (fs::temp_directory_path() / "tavlo-x11-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a run folder");
    root_ = pattern;
    if (!dataSource.empty())
        fs::copy(dataSource, data(), fs::copy_options::recursive);
    fs::create_directory(root_ / "runtime");
    fs::permissions(root_ / "runtime", fs::perms::owner_all);
    std::ofstream(root_ / "alsoft.conf") << "[general]\ndrivers = null\n";
    std::ofstream(emptyFile()).flush();
}

RunFolder::~RunFolder()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::vector<std::string> RunFolder::environment(const std::string& display) const
{
    return ChildProcess::environmentWith({
        "DISPLAY=" + display,
        "ALSOFT_CONF=" + (root_ / "alsoft.conf").string(),
        "XDG_RUNTIME_DIR=" + (root_ / "runtime").string(),
        "QT_QPA_PLATFORM=xcb",
    });
}

std::string RunFolder::read(const fs::path& file) const
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
