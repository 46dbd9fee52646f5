// Replacing a file atomically: the contents, and the permissions the file
// ends up with.
#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class AtomicFile : public testing::Test {
 protected:
  AtomicFile() : umask_before_(::umask(022)) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qs-atomic-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
  }
  ~AtomicFile() override {
    ::umask(umask_before_);
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }

  std::string file(const std::string& name) const { return (folder_ / name).string(); }

  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static mode_t mode(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
  }
  // Only the file itself is left in the folder: no temporary beside it.
  std::size_t entries() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++n;
    return n;
  }

  std::filesystem::path folder_;

 private:
  mode_t umask_before_;
};

TEST_F(AtomicFile, ANewFileGetsWhatTheUmaskLeaves) {
  const struct {
    mode_t umask, mode;
  } cases[] = {{022, 0644}, {002, 0664}, {027, 0640}, {077, 0600}, {0, 0666}, {0277, 0400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "umask 0" << std::oct << c.umask);
    const std::string path = file("new.dat");
    std::filesystem::remove(path);
    ::umask(c.umask);
    ASSERT_TRUE(platform::write_file_atomically(path, "1"));
    EXPECT_EQ(contents(path), "1");
    EXPECT_EQ(mode(path), c.mode) << std::oct << mode(path);
    EXPECT_EQ(entries(), 1u);
  }
}

TEST_F(AtomicFile, AReplacedFileKeepsItsOwnMode) {
  const struct {
    mode_t umask, mode;
  } cases[] = {{022, 0600}, {022, 0666}, {077, 0664}, {077, 0640}, {0, 0604}, {027, 0444}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "umask 0" << std::oct << c.umask << ", file 0" << c.mode);
    const std::string path = file("old.dat");
    std::filesystem::remove(path);
    std::ofstream(path) << "old contents";
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    ::umask(c.umask);
    ASSERT_TRUE(platform::write_file_atomically(path, "new"));
    EXPECT_EQ(contents(path), "new");
    EXPECT_EQ(mode(path), c.mode) << std::oct << mode(path);
    EXPECT_EQ(entries(), 1u);
  }
}

TEST_F(AtomicFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  const std::string path = file("kept.dat");
  std::ofstream(path) << "old contents";
  // A folder where the file would go: the rename over it fails.
  const std::string blocked = file("blocked");
  std::filesystem::create_directory(blocked);
  std::ofstream(blocked + "/inside") << "x";
  EXPECT_FALSE(platform::write_file_atomically(blocked, "new"));
  EXPECT_FALSE(platform::write_file_atomically(file("no/such/folder/x.dat"), "new"));
  EXPECT_EQ(contents(path), "old contents");
  EXPECT_EQ(entries(), 2u);
}

}  // namespace
