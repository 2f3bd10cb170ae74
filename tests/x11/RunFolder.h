// A fresh working folder for one run of a program under test: a copy of the game's data folder,
// so no player's score file is ever touched, an OpenAL Soft configuration that selects the null
// output, so no sound card is used, and the file that collects the program's output.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

class RunFolder {
public:
    // dataSource: a folder whose files are copied into data/; empty for no data folder.
    explicit RunFolder(const std::filesystem::path& dataSource);
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    ~RunFolder();

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path data() const { return root_ / "data"; }
    std::filesystem::path output() const { return root_ / "output.txt"; }
    std::filesystem::path emptyFile() const { return root_ / "empty"; }
    // DISPLAY, ALSOFT_CONF, XDG_RUNTIME_DIR and the Qt platform for a program run here.
    std::vector<std::string> environment(const std::string& display) const;
    std::string read(const std::filesystem::path& file) const;

private:
    std::filesystem::path root_;
};
