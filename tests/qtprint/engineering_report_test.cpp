// The engineering report as a PDF read back with poppler: every section's text
// where a reader finds it, fonts embedded, the page size asked for, text only
// inside the margins on every page, tables broken between rows with their
// header repeated, the plot and the sweep picture drawn, and a file that
// cannot be written told and the old one kept.

#include "qtprint/engineering_report.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/program.h"

namespace windara {
namespace {

namespace fs = std::filesystem;
using testing::Program;
using testing::TempDir;

std::string shell(const std::string& command) {
  return testing::commandOutput(command);
}

std::string quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}

struct Word {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
};

struct PageSize {
  double width = 0, height = 0;
};

// Every word of the PDF with its box in points, and each page's size.
std::vector<Word> wordsOf(const fs::path& pdf, std::vector<PageSize>* pages = nullptr) {
  const std::string xml = shell("pdftotext -bbox " + quoted(pdf) + " - 2>/dev/null");
  std::vector<Word> words;
  const std::regex token(
      "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" "
      "yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  int page = 0;
  for (std::sregex_iterator it(xml.begin(), xml.end(), token), end; it != end; ++it) {
    const std::smatch& m = *it;
    if (m[1].matched) {
      ++page;
      if (pages) pages->push_back({std::stod(m[1]), std::stod(m[2])});
      continue;
    }
    words.push_back(
        {page, std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), m[7]});
  }
  return words;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);)
    out.push_back(l);
  return out;
}

std::string layoutText(const fs::path& pdf) {
  return shell("pdftotext -layout " + quoted(pdf) + " - 2>/dev/null");
}

// The first line holding `part`, or "".
std::string lineWith(const std::string& text, const std::string& part) {
  for (const std::string& l : lines(text))
    if (l.find(part) != std::string::npos) return l;
  return "";
}

// Pixels of the rendered pages (binary PPM, P6) for which `match` holds.
std::size_t pixelsWhere(const fs::path& pdf, const std::function<bool(int, int, int)>& match) {
  TempDir dir;
  shell("pdftoppm -r 30 " + quoted(pdf) + " " + quoted(dir.path() / "p"));
  std::size_t count = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) {
    std::istringstream in(testing::readFile(e.path()));
    std::string magic;
    int width = 0, height = 0, maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    for (long i = 0; i < static_cast<long>(width) * height; ++i) {
      unsigned char rgb[3];
      if (!in.read(reinterpret_cast<char*>(rgb), 3)) break;
      count += match(rgb[0], rgb[1], rgb[2]);
    }
  }
  return count;
}

class EngineeringReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "engineering_report_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
  TempDir dir_;
};

TEST_F(EngineeringReportTest, EverySectionReadsBackWithItsFiguresAndFontsEmbedded) {
  Program p;
  p.tormix();
  const fs::path pdf = dir_.path() / "trad.pdf";
  ASSERT_EQ(writeEngineeringReport(p.session(), pdf, QPageSize::A4, nullptr), "");
  const std::string text = layoutText(pdf);

  EXPECT_NE(lineWith(text, "Traditional Current Transformer Design"), "") << text;
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  EXPECT_NE(lineWith(text, "Engineering report, " + today), "") << text;
  // Each label with its value to the right of it on the same line.
  const std::pair<const char*, const char*> pairs[] = {
      {"Burden R (Ohm):", "5"},
      {"Bmax (Gauss):", "5000"},
      {"Material:", "P (Tormix)"},
      {"Material Thickness:", "1 mil (0.001\")"},
      {"Accuracy (catalogue figure):", "0.58%: core loss as 100 Pfe N / Ip"},
      {"Core P/N:", "TW-1023-1P"},
      {"Residual ID (in):", "1.043"},
      {"Path Length (cm):", "10.86"},
      {"Accuracy class:", "IEC 61869-2 class 3 at 100 % and 25 % burden"},
  };
  for (const auto& [label, value] : pairs) {
    const std::string line = lineWith(text, label);
    EXPECT_GT(line.find(value, line.find(label)), line.find(label)) << label << "\n" << text;
    EXPECT_NE(line.find(value), std::string::npos) << label << "\n" << text;
  }
  // The error at rated current and burden worked by hand in the checks' tests:
  // -1.77442 % and 155.669 min.
  std::string rated;
  for (const std::string& l : lines(text))
    if (std::regex_search(l, std::regex("^\\s*100 %\\s+100 %\\s"))) rated = l;
  EXPECT_NE(rated.find("-1.77"), std::string::npos) << text;
  EXPECT_NE(rated.find("+156"), std::string::npos) << text;
  // The chosen core in the candidate table, with its class.
  const std::string chosen = lineWith(text, "chosen");
  EXPECT_NE(chosen.find("TW-1023-1P"), std::string::npos) << text;
  EXPECT_NE(chosen.find(" 3"), std::string::npos) << text;
  for (const char* caption :
       {"Ratio error (%)", "Phase displacement (minutes)", "Primary current (% of rated current)",
        "class 3 limits", "100 % of rated burden", "25 % of rated burden"})
    EXPECT_NE(lineWith(text, caption), "") << caption << "\n" << text;

  // pdffonts: a header of two lines, then one line per font ending in
  // "emb sub uni object ID" columns.
  const std::vector<std::string> fonts = lines(shell("pdffonts " + quoted(pdf) + " 2>&1"));
  ASSERT_GT(fonts.size(), 2u);
  for (std::size_t i = 2; i < fonts.size(); ++i)
    EXPECT_TRUE(std::regex_search(fonts[i], std::regex("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+")))
        << "not embedded: " << fonts[i];
}

TEST_F(EngineeringReportTest, LetterAndA4PagesHoldEveryWordInsideTheMargins) {
  Program p;
  p.tormix();
  const struct {
    QPageSize::PageSizeId id;
    double width, height;
  } sizes[] = {{QPageSize::A4, 595.3, 841.9}, {QPageSize::Letter, 612.0, 792.0}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(s.width);
    const fs::path pdf = dir_.path() / "page.pdf";
    ASSERT_EQ(writeEngineeringReport(p.session(), pdf, s.id, nullptr), "");
    std::vector<PageSize> pages;
    const std::vector<Word> words = wordsOf(pdf, &pages);
    ASSERT_GE(pages.size(), 2u) << "inputs, checks, plot and candidates take two pages";
    for (const PageSize& page : pages) {
      EXPECT_NEAR(page.width, s.width, 0.5);
      EXPECT_NEAR(page.height, s.height, 0.5);
    }
    // 20 mm margins: 56.7 pt.
    for (const Word& w : words) {
      EXPECT_GE(w.xMin, 56.0) << w.text << " on page " << w.page;
      EXPECT_LE(w.xMax, s.width - 56.0) << w.text << " on page " << w.page;
      EXPECT_GE(w.yMin, 56.0) << w.text << " on page " << w.page;
      EXPECT_LE(w.yMax, s.height - 56.0) << w.text << " on page " << w.page;
    }
    const std::string text = layoutText(pdf);
    EXPECT_NE(lineWith(text, "Page " + std::to_string(pages.size())), "") << text;
  }
}

TEST_F(EngineeringReportTest, ALongTableBreaksBetweenRowsAndRepeatsItsHeader) {
  ReportDocument doc;
  doc.title = "Long";
  doc.subtitle = "rows";
  add(doc.blocks, Heading{"Rows"});
  Table t;
  t.head = {"label", "value"};
  for (int r = 1; r <= 150; ++r)
    t.rows.push_back({"r" + std::to_string(r), std::to_string(r * 7)});
  t.marked.assign(t.rows.size(), false);
  add(doc.blocks, t);
  const fs::path pdf = dir_.path() / "long.pdf";
  ASSERT_EQ(writeDocumentPdf(doc, pdf, QPageSize::A4, nullptr, NumberLocale::period()), "");

  std::vector<PageSize> pages;
  const std::vector<Word> words = wordsOf(pdf, &pages);
  ASSERT_GE(pages.size(), 3u);
  std::vector<int> headers(pages.size() + 1, 0);
  std::vector<int> seen(151, 0);
  for (const Word& w : words) {
    if (w.text == "label") ++headers[static_cast<std::size_t>(w.page)];
    if (w.text.size() > 1 && w.text[0] == 'r' &&
        std::isdigit(static_cast<unsigned char>(w.text[1]))) {
      const int r = std::stoi(w.text.substr(1));
      ++seen[static_cast<std::size_t>(r)];
      // A row and its value share a line: the value's word at the same height.
      bool paired = false;
      for (const Word& v : words)
        paired = paired || (v.page == w.page && v.text == std::to_string(r * 7) &&
                            std::abs(v.yMin - w.yMin) < 1.0);
      EXPECT_TRUE(paired) << w.text;
    }
  }
  for (std::size_t page = 1; page <= pages.size(); ++page)
    EXPECT_EQ(headers[page], 1) << "header on page " << page;
  for (int r = 1; r <= 150; ++r)
    EXPECT_EQ(seen[static_cast<std::size_t>(r)], 1) << "row " << r;
}

TEST_F(EngineeringReportTest, AWideTableKeepsEightPointTypeInPartsThatRepeatItsKeyColumn) {
  ReportDocument doc;
  doc.title = "Wide";
  doc.subtitle = "parts";
  add(doc.blocks, Paragraph{"Body"});
  Table t;
  t.head = {"key"};
  for (int c = 1; c <= 12; ++c)
    t.head.push_back("column" + std::to_string(c));
  for (int r = 1; r <= 3; ++r) {
    t.rows.push_back({"k" + std::to_string(r)});
    for (int c = 1; c <= 12; ++c)
      t.rows.back().push_back("cell" + std::to_string(r) + "x" + std::to_string(c) + "-wide-text");
  }
  t.marked.assign(t.rows.size(), false);
  t.keyColumns = 1;
  add(doc.blocks, t);
  const fs::path pdf = dir_.path() / "wide.pdf";
  ASSERT_EQ(writeDocumentPdf(doc, pdf, QPageSize::A4, nullptr, NumberLocale::period()), "");

  const std::vector<Word> words = wordsOf(pdf);
  double body = 0;
  for (const Word& w : words)
    if (w.text == "Body") body = w.yMax - w.yMin;
  ASSERT_GT(body, 0);
  int keys = 0, k1 = 0;
  std::map<std::string, int> cells;
  for (const Word& w : words) {
    keys += w.text == "key";
    k1 += w.text == "k1";
    if (w.text.rfind("cell", 0) == 0 || w.text.rfind("column", 0) == 0) {
      ++cells[w.text];
      // The body is 10 pt: a table word is at least 8 pt high.
      EXPECT_GE((w.yMax - w.yMin) / body, 0.79) << w.text;
    }
  }
  EXPECT_GE(keys, 2) << "the key column heads every part";
  EXPECT_EQ(k1, keys);
  EXPECT_EQ(cells.size(), 12u + 36u);
  for (const auto& [text, count] : cells)
    EXPECT_EQ(count, 1) << text;
}

TEST_F(EngineeringReportTest, ThePlotAndTheSweepPictureAreDrawnOnlyWhereTheyBelong) {
  // The limit boxes' fill (200, 232, 200) and a sweep picture of pure magenta.
  const auto boxFill = [](int r, int g, int b) {
    return std::abs(r - 200) < 6 && std::abs(g - 232) < 6 && std::abs(b - 200) < 6;
  };
  const auto magenta = [](int r, int g, int b) { return r > 240 && g < 20 && b > 240; };
  QImage sweep(600, 300, QImage::Format_RGB32);
  sweep.fill(QColor(255, 0, 255));

  Program trad;
  trad.tormix();
  Program smps;
  smps.design(&Form::optSMPS, &Form::optQperm, {"0.8", "50", "10", "400", "100", "0.5"});
  const struct {
    Program* program;
    const QImage* sweep;
    bool plot;
  } cases[] = {
      {&trad, nullptr, true},
      {&trad, &sweep, true},
      {&smps, &sweep, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program->form().txtCore.text + (c.sweep ? " with sweep" : ""));
    const fs::path pdf = dir_.path() / "plot.pdf";
    ASSERT_EQ(writeEngineeringReport(c.program->session(), pdf, QPageSize::A4, c.sweep), "");
    EXPECT_EQ(pixelsWhere(pdf, boxFill) > 200, c.plot);
    // At 30 dpi the picture, 170 mm wide, covers some 200 x 100 pixels.
    const std::size_t swept = pixelsWhere(pdf, magenta);
    if (c.sweep) {
      EXPECT_GT(swept, 15000u);
    } else {
      EXPECT_EQ(swept, 0u);
    }
    EXPECT_EQ(lineWith(layoutText(pdf), "Sweep") != "", c.sweep != nullptr);
  }
}

TEST_F(EngineeringReportTest, AFileThatCannotBeWrittenIsToldAndTheOldOneKept) {
  Program p;
  p.tormix();
  const fs::path old = dir_.write("old.pdf", "kept");
  const struct {
    fs::path out;
    const char* reason;
  } cases[] = {
      {dir_.path() / "missing" / "r.pdf", "No such file or directory"},
      {old / "r.pdf", "Not a directory"},
      {dir_.path(), "Is a directory"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(writeEngineeringReport(p.session(), c.out, QPageSize::A4, nullptr), c.reason);
    EXPECT_EQ(testing::readFile(old), "kept");
  }
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_.path()))
    ++entries;
  EXPECT_EQ(entries, 1u) << "a temporary file was left behind";

  // An existing report gives way to a whole new one.
  ASSERT_EQ(writeEngineeringReport(p.session(), old, QPageSize::A4, nullptr), "");
  EXPECT_EQ(testing::readFile(old).rfind("%PDF-", 0), 0u);
}

}  // namespace
}  // namespace windara
