#include "cli/result_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace windara::cli {
namespace {

TEST(ResultOutput, JsonStringsEscapeOnlyWhatJsonNeeds) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"a\rb", "\"a\\rb\""},
      {"q\"\\", "\"q\\\"\\\\\""},
      {std::string("\x01\x1f\t\n", 4), "\"\\u0001\\u001f\\t\\n\""},
      {"\xc2\xb5"
       "F \x7f \xff",
       "\"\xc2\xb5"
       "F \x7f \xff\""},
      {"", "\"\""},
  };
  for (const auto& [text, json] : cases)
    EXPECT_EQ(jsonString(text), json);
}

TEST(ResultOutput, JsonHoldsChoicesOrNullAndEveryBoxInOrder) {
  Form f;
  for (OptionButton* b : f.group(Group::DesignType))
    b->selected = false;
  f.optQperm.selected = false;
  f.txtCore.text = "N/A";
  std::vector<DialogEvent> events(2);
  events[0] = {DialogEvent::Kind::Message, "Core", "Too small\rTry again", Icon::Critical, "", ""};
  events[1] = {DialogEvent::Kind::Input, "Invalid Entry", "Bad\r\rEnter", Icon::None, "0.5", "1"};
  std::ostringstream out;
  writeJson(out, f, events);
  const std::string json = out.str();
  for (const char* part :
       {"\"type\": null", "\"material\": null", "\"thickness\": \"opt1mil\"",
        "\"txtVoltage\": \"0.8\"", "\"txtCore\": \"N/A\"",
        "{\"kind\": \"message\", \"title\": \"Core\", \"text\": \"Too small\\rTry again\", "
        "\"icon\": \"critical\"}",
        "{\"kind\": \"input\", \"title\": \"Invalid Entry\", \"prompt\": \"Bad\\r\\rEnter\", "
        "\"default\": \"0.5\", \"answer\": \"1\"}"}) {
    EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
  }
  EXPECT_LT(json.find("txtVoltage"), json.find("txtDutyCyc"));
  EXPECT_LT(json.find("txtCurDens"), json.find("txtRatio")) << "the form's order, not the file's";
  EXPECT_LT(json.find("txtle"), json.find("txtAL"));
  EXPECT_LT(json.find("\"message\""), json.find("\"input\""));
}

}  // namespace
}  // namespace windara::cli
