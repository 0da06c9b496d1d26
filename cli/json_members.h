#pragma once
// The members of a JSON object, written by hand in the design output's layout.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace windara::cli {

// A number in the fewest digits that read back as the same double; null when it is no
// finite number.
std::string jsonNumber(double value);
std::string jsonBool(bool value);
// A JSON string, or null for none.
std::string jsonText(const std::optional<std::string>& text);

class JsonMembers {
 public:
  // `value` is JSON already.
  JsonMembers& add(std::string_view key, std::string value);
  JsonMembers& number(std::string_view key, double value) { return add(key, jsonNumber(value)); }
  JsonMembers& text(std::string_view key, const std::optional<std::string>& value) {
    return add(key, jsonText(value));
  }

  // {"a": 1, "b": 2} on one line.
  std::string inlineObject() const;
  // One member a line, `indent` blanks before the closing brace and two more before each
  // member.
  std::string object(int indent) const;

 private:
  std::vector<std::pair<std::string, std::string>> members_;
};

// Items one a line, as object() lays out members; [] when there are none.
std::string jsonArray(const std::vector<std::string>& items, int indent);

}  // namespace windara::cli
