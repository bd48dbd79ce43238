#include "runner.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "console.h"
#include "pages.h"

namespace headless {

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

namespace {

// Answers every dialog with OK and prints it as one JSON object per line.
class PrintingDialogs final : public app::Dialogs {
 public:
  explicit PrintingDialogs(std::ostream& out) : out_(out) {}
  void setTitle(std::string title) { title_ = std::move(title); }

  void showMessage(std::string_view text) override { print("message", "none", title_, text); }
  void messageBox(std::string_view text, std::string_view caption, app::Icon icon) override {
    print("box", icon == app::Icon::Error ? "error" : "none", caption, text);
  }
  void showFailure(std::string_view message) override { print("error", "error", title_, message); }
  std::optional<std::string> openFile(std::string_view) override { return std::nullopt; }
  void shellOpen(std::string_view) override {}
  void closeWindow() override {}
  std::string edit1() const override { return edit1_; }
  std::string edit2() const override { return edit2_; }
  void setEdit1(std::string_view text) override { edit1_ = text; }
  void setEdit2(std::string_view text) override { edit2_ = text; }

 private:
  void print(std::string_view dialog, std::string_view icon, std::string_view caption, std::string_view text) {
    out_ << "{\"dialog\": " << jsonString(dialog) << ", \"icon\": " << jsonString(icon)
         << ", \"caption\": " << jsonString(caption) << ", \"text\": " << jsonString(text) << "}\n";
    out_.flush();
  }

  std::ostream& out_;
  std::string title_;
  std::string edit1_;
  std::string edit2_;
};

std::string_view styleName(app::Style s) {
  switch (s) {
    case app::Style::Bold: return "bold";
    case app::Style::Underline: return "underline";
    case app::Style::Plain: break;
  }
  return "plain";
}

void list(std::ostream& out) {
  for (const app::Page* page : pages::kInnerPages) {
    for (const app::Button& b : page->buttons) {
      out << "{\"page\": " << jsonString(page->caption) << ", \"component\": " << jsonString(b.component)
          << ", \"caption\": " << jsonString(b.caption) << ", \"left\": " << b.rect.left << ", \"top\": " << b.rect.top
          << ", \"width\": " << b.rect.width << ", \"height\": " << b.rect.height
          << ", \"style\": " << jsonString(styleName(b.style))
          << ", \"colour\": " << (b.colour == app::Colour::Grey ? jsonString("grey") : "null")
          << ", \"tooltip\": " << (b.tooltip.data() ? jsonString(b.tooltip) : "null") << ", \"functions\": [";
      const auto functions = app::functionsCalled(b);
      for (std::size_t i = 0; i < functions.size(); ++i) out << (i ? ", " : "") << jsonString(functions[i]);
      out << "]}\n";
    }
  }
}

const app::MenuItem* findMenuItem(std::string_view name) {
  for (const app::MenuItem& item : app::popupMenu1())
    if (item.component == name || item.caption == name) return &item;
  return nullptr;
}

constexpr const char* kUsage =
    "uso: escrivania-run [--output DIR] [--input DIR] NOME...\n"
    "     escrivania-run --list\n"
    "NOME: componente (Button21), legenda (\"Registro 0000\") ou item do menu de contexto.\n";

}  // namespace

int run(std::span<const std::string> args, std::string_view programPath, std::ostream& out, std::ostream& err) {
  std::optional<std::string> output, input;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--list") {
      if (args.size() != 1) {
        err << "escrivania-run: --list não aceita outros argumentos\n" << kUsage;
        return 2;
      }
      list(out);
      return 0;
    }
    if (a == "--help" || a == "-h") {
      out << kUsage;
      return 0;
    }
    if (a == "--output" || a == "--input") {
      if (i + 1 >= args.size()) {
        err << "escrivania-run: falta o diretório depois de " << a << "\n" << kUsage;
        return 2;
      }
      (a == "--output" ? output : input) = args[++i];
      continue;
    }
    names.push_back(a);
  }
  if (names.empty()) {
    err << kUsage;
    return 2;
  }
  // Every name must be known before anything is pressed.
  for (const std::string& name : names) {
    if (!pages::findButton(name) && !findMenuItem(name)) {
      err << "escrivania-run: botão desconhecido: " << name << "\n";
      return 2;
    }
  }

  PrintingDialogs dialogs(out);
  app::TForm1 form(dialogs, programPath);
  dialogs.setTitle(form.applicationTitle());
  form.FormShow();
  if (output) dialogs.setEdit1(*output);
  if (input) dialogs.setEdit2(*input);
  for (const std::string& name : names) {
    if (const app::Button* b = pages::findButton(name)) {
      form.click(*b);
    } else {
      (form.*findMenuItem(name)->handler)();
    }
  }
  return 0;
}

}  // namespace headless
