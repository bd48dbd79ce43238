// A page control laid out like the classic tabbed notebook: tabs on top, each page's client area
// inset 4 pixels at the sides and bottom and 24 at the top, so page coordinates match the tables.
#pragma once

#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>
#include <QWidget>

namespace qtfront {

class PageControl : public QWidget {
 public:
  PageControl(QWidget* parent, const QString& component, const QRect& geometry);

  // A new page at the end; the returned widget is its client area.
  QWidget* addPage(const QString& component, const QString& caption);
  QTabBar* tabBar() const { return bar_; }
  QWidget* page(int index) const { return stack_->widget(index); }
  int count() const { return stack_->count(); }
  int currentIndex() const { return stack_->currentIndex(); }
  void setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

  static constexpr int kTop = 24;
  static constexpr int kSide = 4;

 private:
  QTabBar* bar_;
  QFrame* frame_;
  QStackedWidget* stack_;
};

}  // namespace qtfront
