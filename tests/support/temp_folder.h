// A folder of its own under the system's temporary folder, removed with the object.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace varnex::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do path_ = std::filesystem::temp_directory_path() / ("varnex-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() { std::filesystem::remove_all(path_, ignored_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    std::error_code ignored_;
};

}  // namespace varnex::test
