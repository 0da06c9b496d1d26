#include "cli/json_members.h"

#include <charconv>
#include <cmath>

#include "cli/result_output.h"

namespace windara::cli {

std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  return std::string(buf, end);
}

std::string jsonBool(bool value) {
  return value ? "true" : "false";
}

std::string jsonText(const std::optional<std::string>& text) {
  return text ? jsonString(*text) : "null";
}

JsonMembers& JsonMembers::add(std::string_view key, std::string value) {
  members_.emplace_back(jsonString(key), std::move(value));
  return *this;
}

std::string JsonMembers::inlineObject() const {
  std::string out = "{";
  for (std::size_t i = 0; i < members_.size(); ++i)
    out += (i ? ", " : "") + members_[i].first + ": " + members_[i].second;
  return out + "}";
}

std::string JsonMembers::object(int indent) const {
  const std::string outer(static_cast<std::size_t>(indent), ' ');
  std::string out = "{";
  for (std::size_t i = 0; i < members_.size(); ++i)
    out += (i ? ",\n" : "\n") + outer + "  " + members_[i].first + ": " + members_[i].second;
  return out + (members_.empty() ? "}" : "\n" + outer + "}");
}

std::string jsonArray(const std::vector<std::string>& items, int indent) {
  const std::string outer(static_cast<std::size_t>(indent), ' ');
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i)
    out += (i ? ",\n" : "\n") + outer + "  " + items[i];
  return out + (items.empty() ? "]" : "\n" + outer + "]");
}

}  // namespace windara::cli
