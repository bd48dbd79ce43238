#include "console.h"

#include <cctype>
#include <iterator>
#include <stdexcept>

#include "guard.h"
#include "pages.h"
#include "window.h"

namespace app {

namespace {

bool isWindowsPath(std::string_view p) {
  const bool drive = p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
  const bool unc = p.size() >= 2 && p[0] == '\\' && p[1] == '\\';
  return drive || unc;
}

}  // namespace

ProgramLocation locateProgram(std::string_view path) {
  ProgramLocation loc;
  const bool windows = isWindowsPath(path);
  const char sep = windows ? '\\' : '/';
  const std::string_view seps = windows ? "\\/" : "/";

  if (!windows) {
    loc.drive = "/";
  } else if (path[0] != '\\') {
    loc.drive = std::string(path.substr(0, 2)) + "\\";
  } else {
    // \\server\share\ : the first two components after the leading pair.
    std::size_t server = path.find_first_of(seps, 2);
    std::size_t share = server == std::string_view::npos ? server : path.find_first_of(seps, server + 1);
    loc.drive = std::string(path.substr(0, share)) + "\\";
  }

  const std::size_t last = path.find_last_of(windows ? "\\/:" : "/");
  const std::string_view file = last == std::string_view::npos ? path : path.substr(last + 1);
  std::string_view folder = last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1);
  loc.folderWithSeparator = std::string(folder);
  // The folder loses its trailing separator unless it is the root itself.
  if (folder.size() > 1 && seps.find(folder.back()) != std::string_view::npos) {
    std::string_view cut = folder.substr(0, folder.size() - 1);
    const bool root = windows ? (cut.size() == 2 && cut[1] == ':') : cut.empty();
    if (!root) folder = cut;
  }
  loc.folder = std::string(folder);
  if (loc.folder.empty() && !windows) loc.folder = ".";
  // "C:console.exe": the folder ends in the drive's colon, not in a separator.
  if (!loc.folderWithSeparator.empty() && loc.folderWithSeparator.back() == ':') loc.folderWithSeparator += sep;

  // The title keeps the name's first character as it is and lowers the rest.
  loc.title = std::string(file.substr(0, file.find('.')));
  for (std::size_t i = 1; i < loc.title.size(); ++i)
    loc.title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(loc.title[i])));
  return loc;
}

std::vector<std::string_view> functionsCalled(const Button& b) {
  switch (b.action.kind) {
    case Kind::Opening: return {"Inicia_SPED", b.action.function};
    case Kind::Closing: return {b.action.function, "Finaliza_SPED"};
    default: return {b.action.function};
  }
}

namespace {

// The buttons the canned sequence presses, in layout order from the opening to the closing record.
constexpr std::string_view kSequence[] = {
    "Button21",  "Button1",   "Button2",   "Button15",  "Button8",   "Button17",  "Button9",   "Button12",
    "Button23",  "Button24",  "Button26",  "Button94",  "Button56",  "Button80",  "Button5",   "Button133",
    "Button134", "Button139", "Button140", "Button158", "Button209", "Button214", "Button159", "Button162",
    "Button59",  "Button65",  "Button179", "Button180", "Button181", "Button182",
};
static_assert(std::size(kSequence) == 30);

constexpr MenuItem kPopupMenu1[] = {
    {"Sequencia0000000504500460046509901",
     "Sequencia (21, 1, 2, 15, 4, 23, 185, 186, 187, 188, 24, 80, 5, 133, 134, 158, 159, 197, 162, 181, 163, 198, "
     "184, 171, 189, 190, 191, 192, 193, 194, 195, 196, 172, 178, 179, 180, 181, 182)",
     &TForm1::Sequencia0000000504500460046509901Click},
};

}  // namespace

std::span<const MenuItem> popupMenu1() { return kPopupMenu1; }

TForm1::TForm1(Dialogs& dialogs, std::string_view programPath)
    : dialogs_(dialogs), location_(locateProgram(programPath)) {}

void TForm1::dispatch(const std::function<void()>& handler) {
  if (auto failure = runGuarded(handler)) dialogs_.showFailure(*failure);
}

void TForm1::FormShow() {
  dispatch([this] {
    dialogs_.setEdit1(location_.drive);
    dialogs_.setEdit2(location_.folder);
  });
}

void TForm1::click(const Button& button) {
  dispatch([&] { pressed(button); });
}

void TForm1::pressed(const Button& button) {
  switch (button.action.kind) {
    case Kind::Record: return recordClick(button);
    case Kind::Opening: return Button21Click(button);
    case Kind::Closing: return Button182Click(button);
    case Kind::Guarded: return Button2Click(button);
    case Kind::Validation: return validationClick(button);
    case Kind::Version: return Button54Click(button);
  }
}

void TForm1::Trata_SPED_Int(const Button& sender, std::int32_t result) {
  if (result == -1) {
    dialogs_.showMessage("Erro na chamada do " + std::string(sender.caption) + ", verifique o erro em " +
                         dialogs_.edit1());
  } else if (result != 0) {
    dialogs_.showMessage("Retorno desconhecido");
  }
}

void TForm1::recordClick(const Button& button) { Trata_SPED_Int(button, button.action.record()); }

void TForm1::Button21Click(const Button& button) {
  const esc::OwnedText input(dialogs_.edit2());
  const esc::OwnedText output(dialogs_.edit1());
  if (Inicia_SPED(output.get(), input.get()) == -1)
    dialogs_.messageBox("Erro durante chamada da função Inicia_SPED.", "Atenção", Icon::Error);
  Trata_SPED_Int(button, button.action.record());
}

void TForm1::Button182Click(const Button& button) {
  Trata_SPED_Int(button, button.action.record());
  Finaliza_SPED();
  dialogs_.showMessage("Verifique os arquivo de saída em " + dialogs_.edit1());
}

void TForm1::Button2Click(const Button& button) {
  if (runGuarded([&] { Trata_SPED_Int(button, button.action.record()); })) dialogs_.showMessage("erro");
}

void TForm1::validationClick(const Button& button) {
  const bool valid = button.action.validator() != 0;
  dialogs_.messageBox(valid ? button.action.validText : button.action.invalidText, button.action.boxCaption,
                      Icon::None);
}

void TForm1::Button54Click(const Button& button) { dialogs_.showMessage(std::to_string(button.action.record())); }

void TForm1::browse(void (Dialogs::*set)(std::string_view)) {
  dispatch([&] {
    if (auto file = dialogs_.openFile(location_.folderWithSeparator)) (dialogs_.*set)(*file);
  });
}

void TForm1::BitBtn1Click() { browse(&Dialogs::setEdit1); }
void TForm1::BitBtn2Click() { browse(&Dialogs::setEdit2); }

void TForm1::Button7Click() {
  dispatch([this] { dialogs_.closeWindow(); });
}

void TForm1::Label29Click() {
  dispatch([this] { dialogs_.shellOpen(window::kMakerWeb); });
}

void TForm1::Label30Click() {
  dispatch([this] {
    dialogs_.shellOpen("mailto:" + std::string(window::kMakerEmail) +
                       "?Subject=Sobre a Escrivania.dll&Body=E-mail enviado a partir do Demo da Escrivania.dll");
  });
}

void TForm1::Sequencia0000000504500460046509901Click() {
  // Each step is a click with nothing in between; a failure raised by the library ends the run.
  dispatch([this] {
    for (std::string_view component : kSequence) {
      const Button* button = pages::findButton(component);
      if (!button) throw std::logic_error("Botão " + std::string(component) + " não encontrado");
      pressed(*button);
    }
  });
}

}  // namespace app
