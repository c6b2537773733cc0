// The File menu without a window: the names each save proposes and the
// status line after it.
#include "linemesh/interaction/file_commands.h"

#include <gtest/gtest.h>

#include "tests/linemesh/interaction/fake_dialogs.h"
#include "tests/linemesh/interaction/recording_canvas.h"
#include "tests/support/test_scratch_folder.h"

namespace linemesh::ui {
namespace {

class LineFileCommandsTest : public ::testing::Test {
 protected:
  LineNetwork net;
  testing::RecordingCanvas canvas{1000, 400};
  View view{net, canvas};
  LineEditor editor{net, view, canvas};
  testing::FakeDialogs dialogs;
  FileCommands files{net, editor, dialogs};
  common::testing::TestScratchFolder scratch{"linemesh_files"};

  void SetUp() override {
    editor.start();
    net.drawLine(0, 0, 10, 0);
    net.drawLine(10, 0, 10, 10);
    net.drawLine(10, 10, 0, 0);
    editor.Yoso1Click();
  }
  std::string file(const char* name) const { return (scratch.dir() / name).string(); }
  /// Runs a save whose dialog is cancelled; returns the name it proposed.
  std::string proposal(void (FileCommands::*save)()) {
    (files.*save)();
    return dialogs.asked.back().fileName;
  }
};

TEST_F(LineFileCommandsTest, EachSaveProposesTheNetworksNameWithItsOwnExtension) {
  // Nothing read or saved yet.
  EXPECT_EQ(proposal(&FileCommands::Mesh1Click), "MESH.DAT");
  EXPECT_EQ(proposal(&FileCommands::M2W1Click), "MESH.M2W");
  EXPECT_EQ(proposal(&FileCommands::VOKA1Click), "MESH_VK.DAT");
  EXPECT_EQ(proposal(&FileCommands::M3WPlot1Click), "MESH.DXF");
  EXPECT_EQ(proposal(&FileCommands::Plot1Click), "TEST.DXF");
  files.Save1Click();
  EXPECT_EQ(dialogs.asked.back().fileName, "MESH.M3W");

  // Saved as M3W: that name is the base of every other proposal, whatever
  // was written in between.
  dialogs.paths = {file("dam.section.M3W"), file("other.DAT"), file("x.M2W")};
  ASSERT_TRUE(files.Save1Click());
  files.Mesh1Click();
  files.M2W1Click();
  const std::string base = file("dam.section");
  EXPECT_EQ(proposal(&FileCommands::Mesh1Click), base + ".DAT");
  EXPECT_EQ(proposal(&FileCommands::M2W1Click), base + ".M2W");
  EXPECT_EQ(proposal(&FileCommands::VOKA1Click), base + "_VK.DAT");
  EXPECT_EQ(proposal(&FileCommands::M3WPlot1Click), base + ".DXF");
  EXPECT_EQ(proposal(&FileCommands::Plot1Click), file("TEST.DXF"));
  // 保存 proposes the file last read, as it always has; nothing read yet.
  files.Save1Click();
  EXPECT_EQ(dialogs.asked.back().fileName, base + ".M3W");
}

TEST_F(LineFileCommandsTest, TheFileReadIsTheBase) {
  dialogs.paths = {file("grid.M3W")};
  files.Save1Click();
  dialogs.paths = {file("grid.M3W")};
  files.Load1Click();
  EXPECT_EQ(proposal(&FileCommands::Mesh1Click), file("grid.DAT"));
  dialogs.paths = {file("mesh")};  // a name without extension
  files.Mesh1Click();
  dialogs.paths = {file("mesh")};
  files.MESHDAT1Click();
  EXPECT_EQ(proposal(&FileCommands::M2W1Click), file("mesh.M2W"));
  files.Save1Click();
  EXPECT_EQ(dialogs.asked.back().fileName, file("grid.M3W"));  // MeshName, as before
  files.openPath(file("grid.M3W"));
  EXPECT_EQ(proposal(&FileCommands::VOKA1Click), file("grid_VK.DAT"));
}

TEST_F(LineFileCommandsTest, EverySaveNamesTheFileWrittenInTheStatus) {
  struct Case {
    bool (*save)(FileCommands&);
    const char* name;
    const char* status;
  } cases[] = {
      {[](FileCommands& f) { return f.Save1Click(); }, "a.M3W", "M3W を書き出しました: "},
      {[](FileCommands& f) { return (f.Mesh1Click(), true); }, "MESH.DAT",
       "MESH.DAT を書き出しました: "},
      {[](FileCommands& f) { return (f.M2W1Click(), true); }, "a.M2W", "M2W を書き出しました: "},
      {[](FileCommands& f) { return (f.VOKA1Click(), true); }, "VK.DAT", "VOKA を書き出しました: "},
      {[](FileCommands& f) { return (f.M3WPlot1Click(), true); }, "lines.DXF",
       "線の DXF を書き出しました: "},
      {[](FileCommands& f) { return (f.Plot1Click(), true); }, "TEST.DXF",
       "要素図の DXF を書き出しました: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor.panel.status = "前の表示";
    dialogs.paths = {file(c.name)};
    c.save(files);
    EXPECT_EQ(editor.panel.status, c.status + file(c.name));
    // A cancelled save says nothing new.
    editor.panel.status = "前の表示";
    c.save(files);
    EXPECT_EQ(editor.panel.status, "前の表示");
  }
}

}  // namespace
}  // namespace linemesh::ui
