// A fresh temporary folder made the working directory for one test, with a data/ folder in it
// unless asked otherwise; the former working directory comes back and the folder goes at the end.
#pragma once
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(bool withDataFolder = true);
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The score file's bytes, written or read as they are.
    void writeScore(const std::string& bytes) const;
    std::string readScore() const;
    // Names in the data folder, the score file included: shows stray temporary files.
    int dataEntries() const;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};
