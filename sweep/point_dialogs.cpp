#include "sweep/point_dialogs.h"

namespace windara {

void PointDialogs::message(std::string_view /*text*/, std::string_view title, Icon /*icon*/) {
  titles_.emplace_back(title);
}

std::string PointDialogs::input(std::string_view prompt, std::string_view /*title*/,
                                std::string_view /*defaultText*/) {
  // Every re-entry prompt is the complaint, an empty line and the request.
  throw PointInvalid{std::string(prompt.substr(0, prompt.find("\r\r")))};
}

}  // namespace windara
