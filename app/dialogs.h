// The console's port to a window system. Each front end implements it; tests record it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

enum class Icon { None, Error };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The plain message dialog: text, one OK button, no icon, captioned with the application title.
  virtual void showMessage(std::string_view text) = 0;
  // The system message box with its own caption, one OK button and the given icon.
  virtual void messageBox(std::string_view text, std::string_view caption, Icon icon) = 0;
  // The framework's default report of a failure raised inside an event handler.
  virtual void showFailure(std::string_view message) = 0;
  // The common file-open dialog; the chosen file's full path, or nothing when cancelled.
  virtual std::optional<std::string> openFile(std::string_view initialFolder) = 0;
  // Asks the shell to open a web address or a mailto: link; the outcome is not reported.
  virtual void shellOpen(std::string_view target) = 0;
  // Closes the main window, which ends the program.
  virtual void closeWindow() = 0;

  // The two directory edit boxes, read at the moment they are needed.
  virtual std::string edit1() const = 0;
  virtual std::string edit2() const = 0;
  virtual void setEdit1(std::string_view text) = 0;
  virtual void setEdit2(std::string_view text) = 0;
};

}  // namespace app
