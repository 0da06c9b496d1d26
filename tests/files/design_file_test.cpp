#include "files/design_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/preset_file_dialog.h"
#include "support/harness.h"

namespace windara {
namespace {

namespace fs = std::filesystem;
using testing::Harness;
using testing::readFile;
using testing::TempDir;

// A program with a file dialog that answers with a preset path, counting the
// reactions of the type buttons and of every choice button.
struct Program {
  explicit Program(NumberLocale locale = NumberLocale::period()) : h(testing::dataDir(), locale) {
    h.session.cmnDialog1 = &dialog;
    Form& f = h.form();
    for (Group g : {Group::DesignType, Group::Material, Group::Thickness}) {
      for (OptionButton* b : f.group(g)) {
        auto original = b->onClick;
        b->onClick = [this, original, name = b->name] {
          reactions.push_back(name);
          original();
        };
      }
    }
  }
  Form& form() { return h.form(); }
  FileOutcome save(const fs::path& path) {
    dialog.answer = path.string();
    return mnuSaveAs_Click(h.app);
  }
  FileOutcome open(const fs::path& path) {
    dialog.answer = path.string();
    reactions.clear();
    return mnuOpen_Click(h.app);
  }

  TempDir dir;
  Harness h;
  PresetFileDialog dialog;
  std::vector<std::string> reactions;
};

std::array<std::string, 6> texts(Form& f) {
  return {f.txtVoltage.text, f.txtFrequency.text, f.txtPriCurrent.text,
          f.txtCurDens.text, f.txtRatio.text,     f.txtDutyCyc.text};
}

void setTexts(Form& f, const std::array<std::string, 6>& t) {
  f.txtVoltage.text = t[0];
  f.txtFrequency.text = t[1];
  f.txtPriCurrent.text = t[2];
  f.txtCurDens.text = t[3];
  f.txtRatio.text = t[4];
  f.txtDutyCyc.text = t[5];
}

std::string selectedName(Form& f, Group g) {
  const OptionButton* b = f.selectedIn(g);
  return b ? b->name : "";
}

struct RoundTrip {
  const char* mode;
  const char* material;
  const char* thickness;  // only meaningful for Traditional
  std::array<std::string, 6> inputs;
  int filterIndex;
  const char* extension;
  std::string bytes;
};

TEST(DesignFile, SaveThenOpenRestoresModeChoicesAndTextsInEveryMode) {
  const RoundTrip cases[] = {
      {"optSMPS",
       "optRperm",
       "",
       {"0.6", "40", "12", "350", "150", "0.4"},
       4,
       ".sps",
       "4\r\n\"0.6\"\r\n\"40\"\r\n\"12\"\r\n\"0.4\"\r\n\"150\"\r\n\"350\"\r\n3\r\n"},
      {"optHall",
       "optPperm",
       "",
       {"2.5", "12", "80", "0.2", "2", "1e0"},
       3,
       ".hef",
       "3\r\n\"2.5\"\r\n\"12\"\r\n\"80\"\r\n\"1e0\"\r\n\"2\"\r\n\"0.2\"\r\n1\r\n"},
      {"optTradCT",
       "optRperm",
       "opt1mil",
       {"7", "50", "15", "300", "200", "4000"},
       2,
       ".tct",
       "2\r\n\"7\"\r\n\"50\"\r\n\"15\"\r\n\"4000\"\r\n\"200\"\r\n\"300\"\r\n3\r\n1\r\n"},
      {"optTradCT",
       "optQperm",
       "opt4mil",
       {" 5 ", "60", "10", "400", "100", "5000"},
       2,
       ".tct",
       "2\r\n\" 5 \"\r\n\"60\"\r\n\"10\"\r\n\"5000\"\r\n\"100\"\r\n\"400\"\r\n2\r\n4\r\n"},
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.material + " " + c.thickness);
    Program writer;
    Form& w = writer.form();
    auto find = [](Form& f, Group g, const std::string& name) -> OptionButton& {
      for (OptionButton* b : f.group(g))
        if (b->name == name) return *b;
      throw std::logic_error("no button " + name);
    };
    w.select(find(w, Group::DesignType, c.mode));
    w.select(find(w, Group::Material, c.material));
    if (*c.thickness) w.select(find(w, Group::Thickness, c.thickness));
    setTexts(w, c.inputs);
    const fs::path file = writer.dir.path() / (std::string("design") + c.extension);
    writer.dialog.fileName = "previous";
    ASSERT_TRUE(writer.save(file).ok());
    EXPECT_EQ(readFile(file), c.bytes);
    EXPECT_EQ(writer.dialog.filter,
              "All Files (*.*)|*.*|Trad CT Files (*.tct)|*.tct|Hall Effect Files (*.hef)|*.hef|"
              "SMPS Files (*.sps)|*.sps");
    EXPECT_EQ(writer.dialog.filterIndex, c.filterIndex);
    EXPECT_EQ(writer.dialog.defaultExt, c.extension);
    EXPECT_EQ(writer.dialog.flags, 6);
    EXPECT_EQ(writer.dialog.fileName, "") << "Save forgets the name";

    Program reader;
    ASSERT_TRUE(reader.open(file).ok());
    Form& r = reader.form();
    EXPECT_EQ(selectedName(r, Group::DesignType), c.mode);
    EXPECT_EQ(selectedName(r, Group::Material), c.material);
    if (*c.thickness) {
      EXPECT_EQ(selectedName(r, Group::Thickness), c.thickness);
    }
    EXPECT_EQ(texts(r), c.inputs);
    EXPECT_EQ(reader.dialog.fileName, file.string()) << "Open keeps the name";
    // The calculations that follow may warn about these inputs, but nothing asks
    // for an input again and the file opened without complaint.
    for (const DialogEvent& e : reader.h.events()) {
      EXPECT_NE(e.kind, DialogEvent::Kind::Input) << e.text;
      EXPECT_NE(e.title, "Open Design") << e.text;
    }
  }
}

TEST(DesignFile, TextsKeepTheDecimalCommaOfTheUsersLocale) {
  Program writer(NumberLocale::comma());
  writer.form().select(writer.form().optHall);
  const fs::path file = writer.dir.path() / "comma.hef";
  ASSERT_TRUE(writer.save(file).ok());
  EXPECT_EQ(readFile(file),
            "3\r\n\"2\"\r\n\"10\"\r\n\"100\"\r\n\"0,5\"\r\n\"1\"\r\n\"0,100\"\r\n2\r\n");
  Program reader(NumberLocale::comma());
  ASSERT_TRUE(reader.open(file).ok());
  EXPECT_EQ(texts(reader.form()),
            (std::array<std::string, 6>{"2", "10", "100", "0,100", "1", "0,5"}));
}

TEST(DesignFile, AFileSavedUnderOneDecimalSeparatorOpensUnderTheOtherWithItsNumbers) {
  const NumberLocale period = NumberLocale::period(), comma = NumberLocale::comma();
  for (const auto& [saved, opened] : {std::pair{period, comma}, std::pair{comma, period}}) {
    Program writer(saved);
    writer.form().select(writer.form().optHall);
    writer.form().txtVoltage.text = std::string(" 2") + saved.decimal + "5E-0 ";
    Program reader(opened);
    ASSERT_TRUE(writer.save(writer.dir.path() / "h.hef").ok());
    ASSERT_TRUE(reader.open(writer.dir.path() / "h.hef").ok());
    const std::string d(1, opened.decimal);
    EXPECT_EQ(texts(reader.form()),
              (std::array<std::string, 6>{" 2" + d + "5E-0 ", "10", "100", "0" + d + "100", "1",
                                          "0" + d + "5"}));
    EXPECT_TRUE(reader.h.events().empty()) << reader.h.events()[0].text;
  }
  // With both separators it is a number in neither way, and asked for.
  Program p(comma);
  p.h.answer({"0,7"});
  p.open(p.dir.write("s.sps",
                     "4\r\n\"1,000.5\"\r\n\"50\"\r\n\"10\"\r\n\"0,5\"\r\n\"1\"\r\n\"4\"\r\n2\r\n"));
  EXPECT_NE(p.h.events().at(0).text.find("Voltage field requires"), std::string::npos);
}

TEST(DesignFile, QuoteTypedIntoABoxIsWrittenUnescapedAndCutsTheTextOnOpening) {
  Program writer;
  writer.form().txtRatio.text = "1\"00";
  const fs::path file = writer.dir.path() / "quote.sps";
  ASSERT_TRUE(writer.save(file).ok());
  EXPECT_NE(readFile(file).find("\r\n\"1\"00\"\r\n"), std::string::npos);
  Program reader;
  ASSERT_TRUE(reader.open(file).ok());
  EXPECT_EQ(reader.form().txtRatio.text, "1");
  EXPECT_EQ(reader.form().txtCurDens.text, "400") << "the following field is still in step";
}

TEST(DesignFile, WithoutAModeSaveWritesOneEmptyLine) {
  Program p;
  for (OptionButton* b : p.form().group(Group::DesignType))
    b->selected = false;
  const fs::path file = p.dir.path() / "none";
  ASSERT_TRUE(p.save(file).ok());
  EXPECT_EQ(readFile(file), "\r\n");
  EXPECT_EQ(p.dialog.filterIndex, 0);
  EXPECT_EQ(p.dialog.defaultExt, "");
}

// Opening a file and counting what ran, with the final calculation observed.
struct Opened {
  FileOutcome outcome;
  int calculations = 0;
};

Opened load(Program& p, const std::string& name, const std::string& content) {
  const fs::path file = p.dir.write(name, content);
  p.reactions.clear();
  Opened o;
  o.outcome = loadDesign(p.form(), file, [&o] { ++o.calculations; });
  return o;
}

TEST(DesignFile, ATypeCodeOfNoModeRestoresNothingButStillRecalculates) {
  for (const char* first : {"0", "1", "5", "x", "", "-2", "3.6e0x"}) {
    SCOPED_TRACE(first);
    Program p;
    const auto before = texts(p.form());
    const Opened o = load(p, "odd.hef", std::string(first) + "\r\n\"9\"\r\n\"9\"\r\n");
    EXPECT_TRUE(o.outcome.ok());
    EXPECT_EQ(o.calculations, 1);
    EXPECT_TRUE(p.reactions.empty());
    EXPECT_TRUE(p.form().optSMPS.selected);
    EXPECT_EQ(texts(p.form()), before);
  }
}

TEST(DesignFile, TheFirstLineDecidesTheModeWhateverTheExtension) {
  Program p;
  const Opened o =
      load(p, "looks.sps", "3\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n3\r\n");
  ASSERT_TRUE(o.outcome.ok());
  EXPECT_TRUE(p.form().optHall.selected);
  EXPECT_EQ(p.form().lblVout.caption, "Max Sensor Vout (V)");
  EXPECT_EQ(texts(p.form()), (std::array<std::string, 6>{"1", "2", "3", "6", "5", "4"}));
  EXPECT_EQ(p.reactions, (std::vector<std::string>{"optHall", "optRperm"}));
  EXPECT_EQ(o.calculations, 1);
}

TEST(DesignFile, AMaterialCodeOfNoButtonKeepsTheMaterialAndReadsNoFurther) {
  for (const char* material : {"0", "4", "-1", "zz"}) {
    for (const char* type : {"3", "4"}) {
      SCOPED_TRACE(std::string(type) + "/" + material);
      for (bool fromHall : {false, true}) {
        Program p;
        if (fromHall) p.form().select(p.form().optHall);
        p.form().select(p.form().optRperm);
        // Nothing follows the material: Hall and SMPS files end there.
        const Opened o = load(p, "m",
                              std::string(type) + "\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n" +
                                  "\"5\"\r\n\"6\"\r\n" + material + "\r\n");
        ASSERT_TRUE(o.outcome.ok()) << o.outcome.reason;
        EXPECT_EQ(o.calculations, 1);
        // Switching to SMPS selects the 5K grade; otherwise the material stays.
        const bool toSMPS = fromHall && std::string(type) == "4";
        EXPECT_EQ(selectedName(p.form(), Group::Material), toSMPS ? "optQperm" : "optRperm");
      }
    }
  }
}

TEST(DesignFile, TraditionalThicknessFromTheFileWinsEvenWhenItsButtonIsHidden) {
  // Code 1 selects the 1 mil button the alloy hides; unknown codes keep 2 mil.
  const std::pair<const char*, const char*> cases[] = {
      {"1", "opt1mil"}, {"4", "opt4mil"}, {"0", "opt2mil"}, {"3", "opt2mil"}};
  for (const auto& [code, selected] : cases) {
    Program p;
    const Opened o = load(p, "t.tct",
                          std::string("2\r\n\"5\"\r\n\"60\"\r\n\"10\"\r\n\"5000\"\r\n") +
                              "\"100\"\r\n\"400\"\r\n1\r\n" + code + "\r\n");
    ASSERT_TRUE(o.outcome.ok());
    EXPECT_TRUE(p.form().optPperm.selected);
    EXPECT_FALSE(p.form().opt1mil.visible);
    EXPECT_EQ(selectedName(p.form(), Group::Thickness), selected) << code;
    EXPECT_EQ(o.calculations, 1);
  }
}

TEST(DesignFile, OpeningTheModeAlreadySelectedRunsNoModeReaction) {
  Program p;
  const Opened o = load(p, "s.sps",
                        "4\r\n\"0.9\"\r\n\"40\"\r\n\"11\"\r\n\"0.3\"\r\n\"90\"\r\n"
                        "\"300\"\r\n2\r\n");
  ASSERT_TRUE(o.outcome.ok());
  EXPECT_TRUE(p.reactions.empty());
  EXPECT_EQ(texts(p.form()), (std::array<std::string, 6>{"0.9", "40", "11", "300", "90", "0.3"}));
  EXPECT_EQ(o.calculations, 1);
}

TEST(DesignFile, AFileEndingBeforeItsTypesFieldsChangesNothingAndSkipsTheCalculation) {
  // Cut after the type, inside the texts, before the material, and (Traditional)
  // before the thickness: the form keeps its mode, texts and choices.
  const char* cuts[] = {"4", "4\r\n\"abc\"", "3\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n",
                        "4\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n",
                        "2\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n3\r\n"};
  for (const char* cut : cuts) {
    SCOPED_TRACE(cut);
    Program p;
    p.form().select(p.form().optHall);
    p.form().select(p.form().optRperm);
    p.form().txtVoltage.text = "unsaved";
    const auto before = texts(p.form());
    const Opened o = load(p, "short.tct", cut);
    EXPECT_EQ(o.outcome.status, FileOutcome::Status::Failed);
    EXPECT_EQ(o.outcome.reason, "The file ended before the design was complete");
    EXPECT_EQ(o.calculations, 0);
    EXPECT_TRUE(p.reactions.empty());
    EXPECT_TRUE(p.form().optHall.selected);
    EXPECT_TRUE(p.form().optRperm.selected);
    EXPECT_EQ(texts(p.form()), before);
  }
}

TEST(DesignFile, OpenOfAShortFileLeavesTheDesignOnScreenAndSaysWhy) {
  Program p;
  p.h.app.cmdCalculate_Click();
  p.form().txtRatio.text = "90";  // typed, not yet calculated
  const std::string core = p.form().txtCore.text;
  const auto before = texts(p.form());
  p.dialog.answer = p.dir.write("cut.sps", "4\r\n\"abc\"\r\n\"0\"").string();
  EXPECT_EQ(mnuOpen_Click(p.h.app).status, FileOutcome::Status::Failed);
  ASSERT_EQ(p.h.events().size(), 1u);
  EXPECT_EQ(p.h.events()[0].title, "Open Design");
  EXPECT_EQ(p.h.events()[0].icon, Icon::Critical);
  EXPECT_NE(p.h.events()[0].text.find("The file ended before the design was complete"),
            std::string::npos);
  EXPECT_EQ(texts(p.form()), before);
  EXPECT_EQ(p.form().txtCore.text, core);
}

TEST(DesignFile, OpenOfAFileWithoutADesignSaysSoThenRecalculatesTheDesignOnScreen) {
  for (const char* content : {"7\r\n\"1\"\r\n", "hello, world\n",
                              "\x7f"
                              "ELF\x01\x02"}) {
    SCOPED_TRACE(content);
    Program p;
    p.form().txtRatio.text = "50";
    const std::string path = p.dir.write("junk.sps", content).string();
    p.dialog.answer = path;
    EXPECT_TRUE(mnuOpen_Click(p.h.app).ok());
    ASSERT_FALSE(p.h.events().empty());
    EXPECT_EQ(p.h.events()[0].title, "Open Design");
    EXPECT_EQ(p.h.events()[0].icon, Icon::None);
    EXPECT_EQ(p.h.events()[0].text, noDesignText(path));
    EXPECT_NE(p.h.events()[0].text.find("holds no Windara design"), std::string::npos);
    // The design on screen, with the typed ratio, is what was calculated.
    EXPECT_EQ(p.form().txtRatio.text, "50");
    EXPECT_NE(p.form().txtCore.text, "");
  }
}

TEST(DesignFile, FailedOpenTellsTheUserAndNamesTheFile) {
  Program p;
  const fs::path missing = p.dir.path() / "missing.sps";
  const fs::path empty = p.dir.write("empty.sps", "");
  const fs::path huge = p.dir.write("huge.sps", "4\r\n\"" + std::string(3 << 20, '7'));
  const fs::path big = p.dir.write("big.sps", "99999\r\n");
  const fs::path secret = p.dir.write("secret.sps", "3\r\n");
  fs::permissions(secret, fs::perms::none);
  const bool readsAnything = static_cast<bool>(std::ifstream(secret));
  const struct {
    fs::path path;
    std::string reason;
  } cases[] = {
      {missing, "No such file or directory"},
      {p.dir.path(), "Is a directory"},
      {empty, "The file ended before the design was complete"},
      {huge, "The file is too large to be a design file"},
      {big, "The file holds a number that is too large for a code"},
      {"/dev/zero", "It is not a regular file"},
      {secret, "Permission denied"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.string());
    if (c.path == secret && readsAnything) continue;
    p.h.dialogs.clear();
    const FileOutcome outcome = p.open(c.path);
    EXPECT_EQ(outcome.status, FileOutcome::Status::Failed);
    EXPECT_EQ(outcome.reason, c.reason);
    ASSERT_EQ(p.h.events().size(), 1u);
    const DialogEvent& e = p.h.events()[0];
    EXPECT_EQ(e.title, "Open Design");
    EXPECT_EQ(e.icon, Icon::Critical);
    EXPECT_NE(e.text.find(c.path.string()), std::string::npos) << e.text;
    EXPECT_NE(e.text.find(c.reason), std::string::npos) << e.text;
  }
}

TEST(DesignFile, AVeryLongTextIsCutAndTheFollowingFieldsStayInStep) {
  Program p;
  const Opened o = load(p, "long.hef",
                        "3\r\n\"" + std::string(200000, '1') +
                            "\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n2\r\n");
  ASSERT_TRUE(o.outcome.ok()) << o.outcome.reason;
  EXPECT_EQ(p.form().txtVoltage.text.size(), 65536u);
  EXPECT_EQ(p.form().txtCurDens.text, "6");
  EXPECT_TRUE(p.form().optQperm.selected);
}

TEST(DesignFile, BinaryJunkNeverCrashesOrHangs) {
  std::mt19937 random(7);
  for (int i = 0; i < 50; ++i) {
    std::string junk(static_cast<std::size_t>(random() % 4000), '\0');
    for (char& c : junk)
      c = static_cast<char>(random());
    if (i % 2) junk.insert(0, std::to_string(2 + i % 3) + "\r\n");
    Program p;
    const Opened o = load(p, "junk", junk);
    EXPECT_EQ(o.calculations, o.outcome.ok() ? 1 : 0);
  }
}

TEST(DesignFile, CancelledDialogsChangeNothingAndNoDialogDoesNothing) {
  Program p;
  p.dialog.answer.reset();
  p.dialog.fileName = "kept.sps";
  EXPECT_EQ(mnuOpen_Click(p.h.app).status, FileOutcome::Status::Cancelled);
  EXPECT_EQ(mnuSaveAs_Click(p.h.app).status, FileOutcome::Status::Cancelled);
  EXPECT_EQ(p.dialog.fileName, "kept.sps");
  EXPECT_TRUE(fs::is_empty(p.dir.path()));
  EXPECT_TRUE(p.reactions.empty());

  p.h.session.cmnDialog1 = nullptr;
  EXPECT_EQ(mnuOpen_Click(p.h.app).status, FileOutcome::Status::NoDialog);
  EXPECT_EQ(mnuSaveAs_Click(p.h.app).status, FileOutcome::Status::NoDialog);
  EXPECT_EQ(p.dialog.opensShown + p.dialog.savesShown, 2);
}

TEST(DesignFile, OpenPreselectsTheCurrentModesFilterEntry) {
  Program p;
  p.dialog.answer.reset();
  const std::pair<OptionButton*, int> modes[] = {
      {&p.form().optTradCT, 2}, {&p.form().optHall, 3}, {&p.form().optSMPS, 4}};
  for (const auto& [button, index] : modes) {
    p.form().select(*button);
    mnuOpen_Click(p.h.app);
    EXPECT_EQ(p.dialog.filterIndex, index);
    EXPECT_EQ(p.dialog.filter.substr(0, 19), "All Files (*.*)|*.*");
  }
}

TEST(DesignFile, APromptLeftUnansweredDuringOpenIsNotMistakenForAFileFailure) {
  Program p;
  p.form().optHall.onClick = [] { throw NoMoreAnswers("Enter a value"); };
  const fs::path file =
      p.dir.write("h.hef", "3\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n1\r\n");
  p.dialog.answer = file.string();
  EXPECT_THROW(mnuOpen_Click(p.h.app), NoMoreAnswers);
  EXPECT_TRUE(p.h.events().empty());
}

}  // namespace
}  // namespace windara
