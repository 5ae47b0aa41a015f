// A test that writes the files it compares into a temporary folder of its own, and checks at
// its end that every one of them came out as it went in: same bytes, same time.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

inline std::string Slurp(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class TempFilesTest : public testing::Test {
protected:
  fs::path dir;

  void SetUp() override {
    char name[] = "/tmp/dorix-test-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir = name;
  }

  void TearDown() override {
    for (const Written &w : written) {
      EXPECT_EQ(Slurp(w.path), w.bytes) << w.path;
      EXPECT_EQ(fs::last_write_time(w.path), w.time) << w.path;
    }
    fs::remove_all(dir);
  }

  std::string Write(const std::string &name, const std::string &bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    std::erase_if(written, [&](const Written &w) { return w.path == dir / name; });
    written.push_back({dir / name, bytes, fs::last_write_time(dir / name)});
    return (dir / name).string();
  }

private:
  struct Written {
    fs::path path;
    std::string bytes;
    fs::file_time_type time;
  };
  std::vector<Written> written;
};
