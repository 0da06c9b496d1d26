#include "files/replace_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "files/design_file.h"
#include "files/preset_file_dialog.h"
#include "support/harness.h"

namespace windara {
namespace {

namespace fs = std::filesystem;
using testing::Harness;
using testing::readFile;
using testing::TempDir;

const std::string kOld = "4\r\n\"old\"\r\n";

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplaceFile, AWriteFailingMidwayLeavesTheOldFileByteForByte) {
  TempDir dir;
  const fs::path target = dir.write("d.sps", kOld);
  const std::string reason = replaceFile(target, [](std::ostream& out) {
    out << "4\r\n\"new\"\r\n";
    out.setstate(std::ios::badbit);
    out << "more\r\n";
  });
  EXPECT_FALSE(reason.empty());
  EXPECT_THROW(replaceFile(target,
                           [](std::ostream& out) {
                             out << "4\r\n";
                             throw std::runtime_error("interrupted");
                           }),
               std::runtime_error);
  EXPECT_EQ(readFile(target), kOld);
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"d.sps"});
}

// A long output is on disk while it is written, not gathered in memory first:
// what was flushed is already in the temporary file beside the target.
TEST(ReplaceFile, WritesStraightIntoTheTemporaryFile) {
  TempDir dir;
  const fs::path target = dir.write("sweep.csv", "old");
  const std::string block(1 << 20, 'x');
  std::uintmax_t seen = 0;
  ASSERT_EQ(replaceFile(target,
                        [&](std::ostream& out) {
                          out << block;
                          out.flush();
                          for (const auto& e : fs::directory_iterator(dir.path()))
                            if (e.path().filename() != "sweep.csv") seen = fs::file_size(e.path());
                        }),
            "");
  EXPECT_EQ(seen, block.size());
  EXPECT_EQ(fs::file_size(target), block.size());
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"sweep.csv"});
}

TEST(ReplaceFile, ReplacesTheContentKeepingPermissionsAndLinks) {
  TempDir dir;
  const fs::path real = dir.write("real.sps", kOld + std::string(5000, 'x'));
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path link = dir.path() / "link.sps";
  fs::create_symlink("real.sps", link);
  ASSERT_EQ(replaceFile(link, [](std::ostream& out) { out << "new"; }), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readFile(real), "new");
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"link.sps", "real.sps"}));
}

TEST(ReplaceFile, TargetsThatCannotBeWrittenGiveTheSystemsReason) {
  TempDir dir;
  const fs::path file = dir.write("plain", "x");
  const fs::path readOnly = dir.write("ro.sps", kOld);
  fs::permissions(readOnly, fs::perms::owner_read);
  const bool writesAnything = static_cast<bool>(std::ofstream(readOnly, std::ios::app));
  const struct {
    fs::path target;
    std::string reason;
  } cases[] = {
      {dir.path() / "no" / "d.sps", "No such file or directory"},
      {dir.path(), "Is a directory"},
      {file / "d.sps", "Not a directory"},
      {readOnly, "Permission denied"},
  };
  for (const auto& c : cases) {
    if (c.target == readOnly && writesAnything) continue;
    EXPECT_EQ(replaceFile(c.target, [](std::ostream& out) { out << "new"; }), c.reason) << c.target;
  }
  EXPECT_EQ(readFile(file), "x");
  EXPECT_EQ(readFile(readOnly), kOld);
}

TEST(SaveDesign, AFailedSaveTellsTheUserAndKeepsTheRememberedName) {
  TempDir dir;
  Harness h(dir.path());
  PresetFileDialog dialog((dir.path() / "missing" / "d.sps").string());
  h.session.cmnDialog1 = &dialog;
  const FileOutcome outcome = mnuSaveAs_Click(h.app);
  EXPECT_EQ(outcome.status, FileOutcome::Status::Failed);
  ASSERT_EQ(h.events().size(), 1u);
  const DialogEvent& e = h.events()[0];
  EXPECT_EQ(e.title, "Save Design");
  EXPECT_EQ(e.icon, Icon::Critical);
  EXPECT_NE(e.text.find(*dialog.answer), std::string::npos) << e.text;
  EXPECT_NE(e.text.find("No such file or directory"), std::string::npos) << e.text;
  EXPECT_EQ(dialog.fileName, *dialog.answer);
}

}  // namespace
}  // namespace windara
