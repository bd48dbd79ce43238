// The window-system port for tests: records every dialog and answers file dialogs from a queue.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs.h"

struct Shown {
  std::string dialog;  // "message", "box" or "error"
  std::string caption;
  std::string text;
  app::Icon icon = app::Icon::None;
  bool operator==(const Shown&) const = default;
};

class RecordingDialogs final : public app::Dialogs {
 public:
  std::vector<Shown> shown;
  std::vector<std::string> shellOpened;
  std::vector<std::string> fileDialogFolders;
  std::deque<std::optional<std::string>> fileAnswers;  // nothing left: cancel
  bool closed = false;
  std::string title = "Console";
  std::string e1, e2;
  // Runs when a message is shown, as a user could edit the box before closing it.
  std::function<void()> onMessage;

  void showMessage(std::string_view text) override {
    shown.push_back({"message", title, std::string(text)});
    if (onMessage) onMessage();
  }
  void messageBox(std::string_view text, std::string_view caption, app::Icon icon) override {
    shown.push_back({"box", std::string(caption), std::string(text), icon});
  }
  void showFailure(std::string_view message) override {
    shown.push_back({"error", title, std::string(message), app::Icon::Error});
  }
  std::optional<std::string> openFile(std::string_view folder) override {
    fileDialogFolders.emplace_back(folder);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
  void shellOpen(std::string_view target) override { shellOpened.emplace_back(target); }
  void closeWindow() override { closed = true; }
  std::string edit1() const override { return e1; }
  std::string edit2() const override { return e2; }
  void setEdit1(std::string_view t) override { e1 = t; }
  void setEdit2(std::string_view t) override { e2 = t; }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }
};
