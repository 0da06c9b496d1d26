#pragma once
// The window's reactions: modes, material and thickness choices, the
// calculation dispatch, start-up, help and information boxes.

#include <functional>
#include <string>

#include "form/session.h"

namespace windara {

inline constexpr const char* kAppTitle = "Windara";
inline constexpr const char* kPhone = "(555) 555-0142";
inline constexpr const char* kFax = "(555) 555-0143";
inline constexpr const char* kEmail = "applications@example.com";

std::string disclaimerText();
std::string contactText();
std::string aboutText();

class App {
 public:
  // Registers the option buttons' reactions on the session's form.
  explicit App(Session& session);
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  ~App();

  Session& session() { return s_; }
  Form& form() { return s_.form; }

  void Form_Load();

  void optTradCT_Click();
  void optHall_Click();
  void optSMPS_Click();

  void optPperm_Click();
  void optQperm_Click();
  void optRperm_Click();
  void opt1mil_Click() { cmdCalculate_Click(); }
  void opt2mil_Click() { cmdCalculate_Click(); }
  void opt4mil_Click() { cmdCalculate_Click(); }

  void cmdCalculate_Click();
  // How many designs have run, as the session records it.
  long calculations() const { return s_.calculations; }

  void mnuContents_Click();
  void mnuIndex_Click();
  void mnuAbout_Click();
  void mnuContact_Click();

  // Exit from the button or the menu: runs `unload`, which the front end sets
  // to close its window.
  void cmdExit_Click() { mnuExit_Click(); }
  void mnuExit_Click();
  std::function<void()> unload;

 private:
  void loadIcon(const char* fileName);
  void materialReaction(bool show1mil, bool show4mil);
  Session& s_;
};

}  // namespace windara
