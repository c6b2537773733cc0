// The File menu without a window: dialog settings, loads, errors, the close question.
#include "meshcond/interaction/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/text_file.h"
#include "fake_dialogs.h"
#include "meshcond/model/mesh_file.h"
#include "recording_canvas.h"
#include "tests/support/test_scratch_folder.h"

namespace meshcond::ui {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;

const std::string kSection = SEEP_FIXTURE_DIR "/meshcond/section_MESH.DAT";

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { editor.view.setSize(1000, 500); }
  std::string path(const char* name) const { return scratch.path(name); }
  /// A change that no file holds yet, made as a step.
  void makeUnsavedChange() {
    editor.step("変更", [this] { m.TITLE += "*"; });
  }

  common::testing::TestScratchFolder scratch{"meshcond_files"};
  const fs::path& dir = scratch.dir();
  std::unique_ptr<AnalysisModel> owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
  ConditionEditor editor{m};
  FakeDialogs dialogs;
  int redraws = 0;
  FileCommands files{editor, dialogs, [this] { ++redraws; }};
};

TEST_F(FileCommandsTest, MeshOpensThroughTheDialogAndShowsTheWholeMesh) {
  dialogs.paths.push_back(kSection);
  files.Mesh1Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_FALSE(dialogs.shown[0].save);
  EXPECT_EQ(dialogs.shown[0].settings.filter, "メッシュ(*.DAT)|*.DAT");
  EXPECT_EQ(m.NUMNP, 147);
  EXPECT_EQ(m.NUMEL, 140);
  EXPECT_EQ(redraws, 1);
  EXPECT_FALSE(editor.modified());        // a mesh just read is in its file
  EXPECT_TRUE(dialogs.messages.empty());  // a first mesh carries nothing over
  // 60 x 12 m in 1000 x 500 pixels: the width decides.
  EXPECT_NEAR(editor.view.xmin, 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(editor.view.xmax, 60.0);
  EXPECT_DOUBLE_EQ(editor.view.gxmax, 60.0);
  EXPECT_NEAR(editor.view.eps, 0.6, 1e-12);
  EXPECT_EQ(editor.view.hScroll.page, 500);

  // The second load carries the conditions over and says so; the dialog
  // keeps the name it last held.
  m.MAT[5] = 3;
  dialogs.paths.push_back(kSection);
  files.Mesh1Click();
  EXPECT_EQ(dialogs.shown[1].settings.fileName, kSection);
  EXPECT_EQ(m.MAT[5], 3);
  EXPECT_TRUE(editor.modified());  // the carried-over conditions are in no file
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], carryOverMessage(ConvertReport{true, 0, 0, 0}));
}

TEST_F(FileCommandsTest, AFileNamedOnTheCommandLineOpensByItsName) {
  files.openPath(kSection);  // a mesh by any name but ZEP...
  EXPECT_EQ(m.NUMNP, 147);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(editor.modified());
  m.MAT[5] = 4;
  dialogs.paths.push_back(path("zep64.dat"));
  ASSERT_TRUE(files.Save1Click());
  owner = std::make_unique<AnalysisModel>();  // a fresh program
  AnalysisModel& fresh = *owner;
  ConditionEditor freshEditor{fresh};
  FileCommands freshFiles{freshEditor, dialogs, [] {}};
  freshFiles.openPath(path("zep64.dat"));  // ... and ZEP.DAT by its name, in either case
  EXPECT_EQ(fresh.NUMNP, 147);
  EXPECT_EQ(fresh.MAT[5], 4);
  EXPECT_EQ(dialogs.shown.size(), 1u);  // only the save asked
  freshFiles.openPath(path("missing.DAT"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("missing.DAT"), std::string::npos);
  EXPECT_EQ(fresh.NUMNP, 147);
}

TEST_F(FileCommandsTest, CancelledOrFailedLoadsChangeNothing) {
  files.Mesh1Click();  // cancelled
  EXPECT_EQ(m.NUMNP, 0);
  EXPECT_EQ(redraws, 0);
  EXPECT_FALSE(editor.modified());

  common::writeTextLines(
      path("bad.DAT"),
      {"           2           1", "       1     0.000     0.000", "       2     x         1.000"});
  dialogs.paths.push_back(path("bad.DAT"));
  files.Mesh1Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("bad.DAT"), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(m.NUMNP, 0);
  EXPECT_EQ(redraws, 0);
  EXPECT_FALSE(editor.modified());
}

TEST_F(FileCommandsTest, EachCommandSetsItsOwnDialogValues) {
  m.DirName = dir.string();
  files.Save1Click();
  files.MESH2Click();
  files.D2DAT1Click();
  files.ZEPDAT2Click();
  files.ZEPDAT1Click();
  ASSERT_EQ(dialogs.shown.size(), 5u);
  const FileDialogSettings& save = dialogs.shown[0].settings;
  EXPECT_TRUE(dialogs.shown[0].save);
  EXPECT_EQ(save.defaultExt, "DAT");
  EXPECT_EQ(save.initialDir, dir.string());
  EXPECT_EQ(save.fileName, "ZEP64.DAT");
  const FileDialogSettings& mesh = dialogs.shown[1].settings;
  EXPECT_EQ(mesh.fileName, "MESH.DAT");
  EXPECT_EQ(mesh.filter, "メッシュデータ(*.DAT)|*.DAT");
  EXPECT_EQ(mesh.defaultExt, "DAT");  // left as the last save set it
  const FileDialogSettings& d2 = dialogs.shown[2].settings;
  EXPECT_EQ(d2.fileName, "D2.DAT");
  EXPECT_EQ(d2.filter, "メッシュデータ(*.DAT)|*.DAT");  // kept from the previous use
  EXPECT_EQ(dialogs.shown[3].settings.filter, "ZEPANデータ(*.DAT)|*.DAT");
  EXPECT_FALSE(dialogs.shown[3].save);
  EXPECT_EQ(dialogs.shown[4].settings.filter, "ZEP.DAT(*.DAT)|*.DAT");
  EXPECT_EQ(dialogs.shown[4].settings.fileName, "ZEP.DAT");
  EXPECT_TRUE(dialogs.messages.empty());  // every dialog was cancelled
}

TEST_F(FileCommandsTest, MeshSaveWritesWhatTheModelWrites) {
  loadMesh(m, kSection);
  dialogs.paths.push_back(path("out.DAT"));
  files.MESH2Click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(common::readFileBytes(path("out.DAT")), common::readFileBytes(kSection));
}

TEST_F(FileCommandsTest, MeshSaveStoresTheCornerCountsEvenWhenCancelled) {
  loadMesh(m, kSection);
  m.KN[1] = 7;         // stale
  files.MESH2Click();  // no path: cancelled
  EXPECT_EQ(m.KN[1], m.KI[1][4] == 0 ? 3 : 4);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommandsTest, ErrorsOfFileOperationsGoIntoAMessage) {
  loadMesh(m, kSection);
  dialogs.paths.push_back((dir / "missing" / "MESH.DAT").string());
  files.MESH2Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("missing"), std::string::npos) << dialogs.messages[0];
}

TEST_F(FileCommandsTest, ClosingAsksOnlyWithUnsavedChanges) {
  EXPECT_TRUE(files.mayClose());
  EXPECT_TRUE(dialogs.questions.empty());

  makeUnsavedChange();
  struct Case {
    const char* name;
    UnsavedAnswer answer;
    bool closes;
  };
  const Case cases[] = {
      {"cancel", UnsavedAnswer::Cancel, false},
      {"save, then cancel the save dialog", UnsavedAnswer::Save, false},
      {"discard", UnsavedAnswer::Discard, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.unsavedAnswer = c.answer;
    EXPECT_EQ(files.mayClose(), c.closes);
    EXPECT_EQ(dialogs.questions.back(), "変更が保存されていません。保存しますか？");
  }
  EXPECT_TRUE(editor.modified());
}

TEST_F(FileCommandsTest, EveryOpenOverUnsavedChangesAsksFirst) {
  loadMesh(m, kSection);
  dialogs.paths.push_back(path("ZEP64.DAT"));
  ASSERT_TRUE(files.Save1Click());
  struct Open {
    const char* name;
    void (FileCommands::*click)();
    std::string file;
    bool carriesOver;  // a mesh keeps the conditions, which are then unsaved
  };
  const Open opens[] = {
      {"メッシュ", &FileCommands::Mesh1Click, kSection, true},
      {"ZEP.DAT", &FileCommands::ZEPDAT2Click, path("ZEP64.DAT"), false},
      {"(旧)ZEP.DAT", &FileCommands::ZEPDAT1Click, SEEP_FIXTURE_DIR "/meshcond/OLDZEP.DAT", false}};
  for (const Open& o : opens) {
    SCOPED_TRACE(o.name);
    m.MAT[7] = 9;
    makeUnsavedChange();
    dialogs.shown.clear();
    dialogs.questions.clear();
    dialogs.unsavedAnswer = UnsavedAnswer::Cancel;
    (files.*o.click)();
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{kUnsavedQuestion});
    EXPECT_TRUE(dialogs.shown.empty());  // キャンセル ends the open before its dialog
    EXPECT_EQ(m.MAT[7], 9);
    EXPECT_TRUE(editor.modified());

    dialogs.unsavedAnswer = UnsavedAnswer::Discard;
    dialogs.paths.push_back(o.file);
    (files.*o.click)();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    if (o.carriesOver) {
      EXPECT_EQ(m.MAT[7], 9);
    }
    EXPECT_EQ(dialogs.messages.size(), o.carriesOver ? 1u : 0u);
    EXPECT_EQ(editor.modified(), o.carriesOver);
    dialogs.messages.clear();
  }
}

TEST_F(FileCommandsTest, ClosingWithAFailedSaveStaysOpen) {
  loadMesh(m, kSection);
  makeUnsavedChange();
  dialogs.unsavedAnswer = UnsavedAnswer::Save;
  dialogs.paths.push_back((dir / "missing" / "ZEP64.DAT").string());
  EXPECT_FALSE(files.mayClose());
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(editor.modified());
}

TEST_F(FileCommandsTest, SaveWritesThePackageAndClearsTheChangeMark) {
  dialogs.paths.push_back(kSection);
  files.Mesh1Click();
  makeUnsavedChange();
  dialogs.paths.push_back(path("ZEP64.DAT"));
  EXPECT_TRUE(files.Save1Click());
  EXPECT_TRUE(dialogs.messages.empty());
  for (const char* name : {"ZEP64.DAT", "input.txt", "zepan.bat", "WORK.LST"}) {
    EXPECT_TRUE(fs::exists(dir / name)) << name;
  }
  EXPECT_FALSE(editor.modified());
  EXPECT_TRUE(files.mayClose());
  EXPECT_TRUE(dialogs.questions.empty());

  // Closing with changes and answering 保存 saves and closes.
  makeUnsavedChange();
  dialogs.unsavedAnswer = UnsavedAnswer::Save;
  dialogs.paths.push_back(path("again.DAT"));
  EXPECT_TRUE(files.mayClose());
  EXPECT_TRUE(fs::exists(dir / "again.DAT"));
}

TEST_F(FileCommandsTest, OpenedZepDatGivesTheFolderOfTheExports) {
  loadMesh(m, kSection);
  dialogs.paths.push_back(path("ZEP64.DAT"));
  ASSERT_TRUE(files.Save1Click());
  auto fresh = std::make_unique<AnalysisModel>();
  ConditionEditor other(*fresh);
  other.view.setSize(1000, 500);
  FileCommands otherFiles(other, dialogs, [] {});
  dialogs.paths.push_back(path("ZEP64.DAT"));
  otherFiles.ZEPDAT2Click();
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];
  EXPECT_EQ(fresh->NUMEL, 140);
  EXPECT_FALSE(other.modified());
  EXPECT_NEAR(other.view.gxmax, 60.0, 1e-9);
  otherFiles.Kouu1Click();
  otherFiles.Kasen1Click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(fs::exists(dir / "降雨.CSV"));
  EXPECT_TRUE(fs::exists(dir / "河川水位.CSV"));
}

TEST_F(FileCommandsTest, ACarriedOverMeshIsAStepAndAnOpenedFileANewHistory) {
  dialogs.paths.push_back(kSection);
  files.Mesh1Click();
  EXPECT_FALSE(editor.history.canUndo());  // a first mesh replaces the model
  editor.step("材質の設定", [this] { m.MAT[5] = 3; });
  auto before = std::make_unique<AnalysisModel>(m);
  dialogs.unsavedAnswer = UnsavedAnswer::Discard;
  dialogs.paths.push_back(kSection);
  files.Mesh1Click();
  EXPECT_EQ(editor.history.undoName(), kCarryOverStep);
  auto after = std::make_unique<AnalysisModel>(m);
  editor.history.undo();
  EXPECT_TRUE(m == *before);
  editor.history.redo();
  EXPECT_TRUE(m == *after);

  // Saving marks the state saved; what it derived is a step of its own.
  dialogs.paths.push_back(path("ZEP64.DAT"));
  ASSERT_TRUE(files.Save1Click());
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(editor.history.undoName(), kSaveStep);
  editor.history.undo();
  EXPECT_TRUE(editor.modified());
  editor.history.redo();
  EXPECT_FALSE(editor.modified());

  dialogs.paths.push_back(path("ZEP64.DAT"));
  files.ZEPDAT2Click();
  EXPECT_FALSE(editor.history.canUndo());
  EXPECT_FALSE(editor.modified());
}

TEST_F(FileCommandsTest, UndoingACarriedOverMeshShowsTheMeshBefore) {
  dialogs.paths.push_back(SEEP_FIXTURE_DIR "/meshcond/MESH.DAT");  // 20 x 10 m
  files.Mesh1Click();
  double eps = editor.view.eps;
  dialogs.paths.push_back(kSection);  // 60 x 12 m
  files.Mesh1Click();
  ASSERT_EQ(editor.history.undoName(), kCarryOverStep);
  EXPECT_NE(editor.view.eps, eps);
  testing::RecordingCanvas canvas;
  editor.undo(canvas);
  EXPECT_EQ(editor.view.eps, eps);  // the picking radius of the mesh shown
  editor.redo(canvas);
  EXPECT_NEAR(editor.view.eps, 0.6, 1e-12);
}

}  // namespace
}  // namespace meshcond::ui
