// The main window's behaviour, independent of any window system. Handlers keep their given names.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "buttons.h"
#include "dialogs.h"
#include "escrivania.h"
#include "samples.h"

namespace app {

// Where the program file lies, as the directory boxes show it.
struct ProgramLocation {
  std::string drive;                // "D:\", "\\server\share\" or "/"
  std::string folder;               // "D:\A\B", the root keeping its separator ("D:\", "/")
  std::string folderWithSeparator;  // "D:\A\B\"
  std::string title;                // the application title: file name up to its first dot, then lower case
};
ProgramLocation locateProgram(std::string_view programPath);

// The library functions one press of the button calls, in order.
std::vector<std::string_view> functionsCalled(const Button& button);

class TForm1;

// An item of the window's right-click menu PopupMenu1.
struct MenuItem {
  std::string_view component;
  std::string_view caption;
  void (TForm1::*handler)();
};
std::span<const MenuItem> popupMenu1();

class TForm1 {
 public:
  TForm1(Dialogs& dialogs, std::string_view programPath);

  const std::string& applicationTitle() const { return location_.title; }

  // Events, each run through the dispatcher so that a failure raised by the library is reported
  // and the console goes on.
  void FormShow();
  void click(const Button& button);
  void BitBtn1Click();
  void BitBtn2Click();
  void Button7Click();
  void Label29Click();
  void Label30Click();
  // PopupMenu1's item: presses the thirty buttons that write a minimal complete file.
  void Sequencia0000000504500460046509901Click();

  // Turns a record result into a message naming the sender by its caption.
  void Trata_SPED_Int(const Button& sender, std::int32_t result);

 private:
  void dispatch(const std::function<void()>& handler);
  void pressed(const Button& button);  // a click's handler, without the dispatcher
  void recordClick(const Button& button);
  void Button21Click(const Button& button);
  void Button182Click(const Button& button);
  void Button2Click(const Button& button);
  void validationClick(const Button& button);
  void Button54Click(const Button& button);
  void browse(void (Dialogs::*set)(std::string_view));

  Dialogs& dialogs_;
  ProgramLocation location_;
};

}  // namespace app
