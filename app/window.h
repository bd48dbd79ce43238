// The main window's fixed content, shared by every front end: sizes, panels, labels and pages.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "buttons.h"
#include "samples.h"

namespace app::window {

// Our own details: the maker's credit, addresses and contact.
inline constexpr std::string_view kAuthorCredit = "Projeto Escrivania Livre";
inline constexpr std::string_view kCaptionStart = "Utilizando a Escrivania.dll :: por ";
inline constexpr std::string_view kVersion = "v3.00";
inline constexpr std::string_view kSpedPortal = "sped.rfb.gov.br";
inline constexpr std::string_view kMakerSite = "escrivania.test";
inline constexpr std::string_view kMakerWeb = "https://escrivania.test";
inline constexpr std::string_view kMakerEmail = ESC_MAKER_EMAIL;
inline constexpr std::string_view kMakerName = "Projeto Escrivania Livre";
inline constexpr std::string_view kMakerStreet = "Rua das Escrituras, 236 - Sala 5";
inline constexpr std::string_view kMakerCity = "Salvador - BA - Brasil";

inline constexpr int kClientWidth = 1010;
inline constexpr int kClientHeight = 838;

enum class LabelColour { WindowText, Silver, Red, Blue };
enum class Link { None, Web, Mail };  // Label29Click, Label30Click

// A width or height of 0 means the label takes the size of its text.
struct Label {
  std::string_view component;
  Rect rect;
  std::string_view text;  // lines joined by "\n"
  LabelColour colour = LabelColour::WindowText;
  int fontPixels = 0;  // 0: the window's default font
  bool bold = false;
  bool centred = false;
  std::string_view family = {};  // empty: the window's default face
  Link link = Link::None;
};

struct Picture {
  std::string_view component;
  Rect rect;
  std::string_view file;  // JPEG beside the program, under assets/
};

// Side panel Panel3 (right edge, 276 wide) holding the white Panel1 at a one-pixel inset.
inline constexpr Rect kPanel3{kClientWidth - 276, 0, 276, kClientHeight};
inline constexpr Rect kPanel1{1, 1, 274, 836};
inline constexpr std::array kSideLabels = {
    Label{"Label1", {8, 8, 0, 0}, kVersion},
    Label{"Label7", {72, 184, 131, 24}, kSpedPortal, LabelColour::Silver, 19, false, true},
    Label{"Label6", {56, 429, 152, 24}, kMakerSite, LabelColour::Silver, 19},
};
inline constexpr std::array kSidePictures = {
    Picture{"Image1", {72, 80, 128, 91}, "emblema.jpg"},
    Picture{"Image3", {3, 272, 259, 158}, "logo.jpg"},
};
inline constexpr Rect kGroupBox1{7, 459, 258, 94};
inline constexpr std::string_view kGroupBox1Caption = "Legenda dos botões:";
inline constexpr Label kLegend{"Label5",
                               {9, 19, 0, 0},
                               "Negrito.: Abertura ou enceramento do \nArquivo digital\n\n"
                               "Sublinhado.: Abertura ou enceramento de\nBlocos"};

// Outer page control and its two pages.
inline constexpr Rect kPageControl1{0, 0, 734, kClientHeight};
inline constexpr std::string_view kSpedTab = "SPED";              // TabSheet1
inline constexpr std::string_view kContactTab = "Como Comprar?";  // TabSheet3

// Directory panel Panel2 at the top of the page "SPED".
inline constexpr Rect kPanel2{0, 0, 726, 121};
inline constexpr Rect kEdit1{130, 10, 367, 21};
inline constexpr Rect kEdit2{130, 34, 367, 21};
inline constexpr Rect kBitBtn1{504, 10, 21, 21};
inline constexpr Rect kBitBtn2{504, 34, 21, 21};
inline constexpr std::array kDirectoryLabels = {
    Label{"Label2", {8, 16, 116, 13}, "Diretorio de Saída"},
    Label{"Label3", {8, 40, 113, 13}, "Diretório de Entrada:"},
    Label{"Label4",
          {8, 64, 0, 0},
          "No diretório de saida serão criadoss os arquivos da dll  contendo as informações da geração do SPED.\n"
          "No diretório de entrada devem estar disponiveis os arquivos CFOP.res e, NCM.res, MUNICIPIO.res e "
          "PAIS.res\n"
          "Deve haver permissão de escrita de leitura nestes diretórios para todos os usuários"},
};

// Inner page control and the two exit buttons of the page "SPED".
inline constexpr Rect kPageControl2{0, 121, 726, 689};
inline constexpr std::string_view kExitCaption = "Sai&r";
inline constexpr Rect kButton95{210, 660, 113, 25};  // above the inner page control
inline constexpr Rect kButton7{436, 494, 100, 25};   // beneath it, first in keyboard order

// The page "Como Comprar?".
inline constexpr Rect kGroupBox6{8, 4, 505, 189};
inline constexpr int kGroupBox6FontPixels = 13;
inline constexpr std::array kContactLabels = {
    Label{"Label34", {137, 16, 218, 64}, "Adquira agora a \nEscrivania.dll", LabelColour::Red, 27, true, true, "Arial"},
    Label{"Label25", {24, 88, 0, 0}, kMakerName, LabelColour::WindowText, 0, true},
    Label{"Label26", {40, 104, 0, 0}, kMakerStreet},
    Label{"Label31", {40, 120, 0, 0}, kMakerCity},
    Label{"Label27", {40, 136, 0, 0}, "Cep: 40170-110"},
    Label{"Label28", {40, 152, 0, 0}, "TeleFax: (71) 3210-5555"},
    Label{"Label30", {376, 152, 0, 0}, kMakerEmail, LabelColour::Blue, 0, false, false, {}, Link::Mail},
    Label{"Label29", {376, 168, 0, 0}, kMakerSite, LabelColour::Blue, 0, false, false, {}, Link::Web},
};

}  // namespace app::window
