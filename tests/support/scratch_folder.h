// A fresh folder under the system's temporary folder, removed with everything
// in it; for tests of plain C++ code that has no Qt to lend a QTemporaryDir.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace testing_support {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string path = (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
        if (!::mkdtemp(path.data())) ADD_FAILURE() << "cannot create a scratch folder";
        m_path = path;
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace testing_support
