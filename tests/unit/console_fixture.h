// What the core's tests share: finding a button, and a console wired to the recording library and
// the recording dialogs.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "console.h"
#include "pages.h"
#include "recording.h"
#include "recording_dialogs.h"

// The button of the inner pages with this component name or caption.
inline const app::Button& button(std::string_view name) {
  const app::Button* b = pages::findButton(name);
  if (!b) throw std::runtime_error("no button " + std::string(name));
  return *b;
}

// A console whose directory boxes hold C:\Saida and C:\Entrada, the library and dialogs recorded.
class ConsoleFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    recording::reset();
    dialogs.e1 = "C:\\Saida";
    dialogs.e2 = "C:\\Entrada";
  }
  RecordingDialogs dialogs;
  app::TForm1 form{dialogs, "C:\\Programas\\Console\\console.exe"};
};
