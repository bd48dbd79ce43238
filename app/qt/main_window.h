// The main window TForm1 in Qt 6 Widgets, built from the window and page tables. Every event goes
// to the console core; this class only renders and implements the dialogs port.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <memory>

#include "console.h"
#include "page_control.h"

namespace qtfront {

class MainWindow final : public QWidget, public app::Dialogs {
 public:
  explicit MainWindow(const QString& programPath);

  app::TForm1& form() { return form_; }
  PageControl* pageControl1() const { return pageControl1_; }
  PageControl* pageControl2() const { return pageControl2_; }

  // The window-system port.
  void showMessage(std::string_view text) override;
  void messageBox(std::string_view text, std::string_view caption, app::Icon icon) override;
  void showFailure(std::string_view message) override;
  std::optional<std::string> openFile(std::string_view initialFolder) override;
  void shellOpen(std::string_view target) override;
  void closeWindow() override;
  std::string edit1() const override;
  std::string edit2() const override;
  void setEdit1(std::string_view text) override;
  void setEdit2(std::string_view text) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void buildSidePanel();
  void buildSpedPage(QWidget* page);
  void buildContactPage(QWidget* page);
  void buildInnerPage(QWidget* page, const app::Page& table);

  app::TForm1 form_;
  PageControl* pageControl1_ = nullptr;
  PageControl* pageControl2_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  bool shown_ = false;
};

// The window's default font: "MS Sans Serif", 11 pixels, or the nearest sans face installed.
QFont defaultFont();

}  // namespace qtfront
