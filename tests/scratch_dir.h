#pragma once
// A fresh directory per test, so that files left behind can be counted.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace kalvora::test {

namespace fs = std::filesystem;

inline std::string readAll(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

inline void writeAll(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class ScratchDir : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::path(testing::TempDir())
            / ("kalvora_"
                + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path path(const std::string &name) const { return m_dir / name; }
    const fs::path &dir() const { return m_dir; }
    std::size_t files() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }

private:
    fs::path m_dir;
};

} // namespace kalvora::test
