#include "common/temp_directory.hpp"
#include "services/win32_file_store.hpp"

#include <gtest/gtest.h>
#include <iterator>

// The Win32 file store's steps against the system's own file functions: who may replace a file
// while it is open, which attributes stay, what counts as busy and what as refused.
namespace velmora::testing {
namespace {

using Outcome = FileStore::Outcome;
using win32::Win32FileStore;

class Win32FileStoreTest : public ::testing::Test {
protected:
  std::filesystem::path file(const wchar_t* name) const { return folder_.path() / name; }
  void write(const wchar_t* name, const std::string& bytes) const { folder_.write(name, bytes); }
  std::string bytes(const wchar_t* name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::wstring> names() const { return folder_.names(); }
  // Another program's handle on the file.
  HANDLE open(const wchar_t* name, DWORD share) const {
    return CreateFileW(file(name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
  }

  TempDirectory folder_;
  Win32FileStore store;
};

TEST_F(Win32FileStoreTest, ReadsWholeFilesAndTellsMissingFromUnreadable) {
  write(L"a.ini", std::string("x\0y\r\n", 5));
  const FileContents read = store.read(file(L"a.ini"));
  EXPECT_EQ(read.status, FileContents::Status::Read);
  EXPECT_EQ(read.bytes, std::string("x\0y\r\n", 5));
  EXPECT_EQ(store.read(file(L"none.ini")).status, FileContents::Status::Missing);
  EXPECT_EQ(store.read(file(L"no folder") / L"a.ini").status, FileContents::Status::Missing);
  CreateDirectoryW(file(L"dir.ini").c_str(), nullptr);
  EXPECT_EQ(store.read(file(L"dir.ini")).status, FileContents::Status::Failed);
}

// A reader that shares deletion (as ours does) lets a replacement through; one that does not
// makes it busy until it lets go.
TEST_F(Win32FileStoreTest, AReplacementIsBusyOnlyWhileAHolderDeniesDeletion) {
  write(L"a.ini", "old");
  write(L"a.ini.new", "new");
  HANDLE denying = open(L"a.ini", FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(denying, INVALID_HANDLE_VALUE);
  EXPECT_EQ(store.replace(file(L"a.ini"), file(L"a.ini.new")), Outcome::Busy);
  EXPECT_EQ(store.read(file(L"a.ini")).bytes, "old") << "our read gets through meanwhile";
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a.ini", L"a.ini.new"})) << "nothing else made";
  CloseHandle(denying);

  HANDLE sharing = open(L"a.ini", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_NE(sharing, INVALID_HANDLE_VALUE);
  EXPECT_EQ(store.replace(file(L"a.ini"), file(L"a.ini.new")), Outcome::Done);
  CloseHandle(sharing);
  EXPECT_EQ(bytes(L"a.ini"), "new");
  EXPECT_EQ(names(), std::vector<std::wstring>{L"a.ini"});
}

TEST_F(Win32FileStoreTest, AReplacementKeepsHiddenAndSystemAndMakesAMissingFile) {
  write(L"a.ini", "old");
  SetFileAttributesW(file(L"a.ini").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ASSERT_EQ(store.writeNew(file(L"a.ini.new"), "new"), Outcome::Done);
  EXPECT_EQ(store.replace(file(L"a.ini"), file(L"a.ini.new")), Outcome::Done);
  EXPECT_EQ(bytes(L"a.ini"), "new");
  const DWORD attributes = GetFileAttributesW(file(L"a.ini").c_str());
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});

  ASSERT_EQ(store.writeNew(file(L"b.ini.new"), "made"), Outcome::Done);
  EXPECT_EQ(store.replace(file(L"b.ini"), file(L"b.ini.new")), Outcome::Done);
  EXPECT_EQ(bytes(L"b.ini"), "made");
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a.ini", L"b.ini"}));
}

TEST_F(Win32FileStoreTest, AReadOnlyFileIsRefusedAndNotWrittenInPlace) {
  write(L"a.ini", "old");
  write(L"a.ini.new", "new");
  SetFileAttributesW(file(L"a.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(store.replace(file(L"a.ini"), file(L"a.ini.new")), Outcome::Refused);
  EXPECT_FALSE(store.overwrite(file(L"a.ini"), "new"));
  EXPECT_EQ(bytes(L"a.ini"), "old");
}

TEST_F(Win32FileStoreTest, AnotherWritersNewFileIsBusyALeftoverIsTakenOver) {
  write(L"a.ini.new", "a leftover of an earlier run, longer than what follows");
  EXPECT_EQ(store.writeNew(file(L"a.ini.new"), "new"), Outcome::Done);
  EXPECT_EQ(bytes(L"a.ini.new"), "new");
  HANDLE writing =
      CreateFileW(file(L"a.ini.new").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writing, INVALID_HANDLE_VALUE);
  EXPECT_EQ(store.writeNew(file(L"a.ini.new"), "mine"), Outcome::Busy);
  CloseHandle(writing);
  EXPECT_EQ(store.writeNew(file(L"no folder") / L"a.ini.new", "x"), Outcome::Refused);
}

// In place, as the profile functions write: also while a holder denies deletion, and a hidden
// file stays hidden.
TEST_F(Win32FileStoreTest, WritingInPlaceKeepsTheFileAndItsAttributes) {
  write(L"a.ini", "a longer old text");
  SetFileAttributesW(file(L"a.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  HANDLE holding = open(L"a.ini", FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(holding, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(store.overwrite(file(L"a.ini"), "new"));
  CloseHandle(holding);
  EXPECT_EQ(bytes(L"a.ini"), "new");
  EXPECT_NE(GetFileAttributesW(file(L"a.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_TRUE(store.overwrite(file(L"b.ini"), "made"));
  EXPECT_EQ(bytes(L"b.ini"), "made");
  EXPECT_FALSE(store.overwrite(file(L"no folder") / L"a.ini", "x"));

  store.remove(file(L"b.ini"));
  EXPECT_EQ(names(), std::vector<std::wstring>{L"a.ini"});
}

} // namespace
} // namespace velmora::testing
