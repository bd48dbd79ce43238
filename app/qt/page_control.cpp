#include "page_control.h"

namespace qtfront {

PageControl::PageControl(QWidget* parent, const QString& component, const QRect& geometry)
    : QWidget(parent), bar_(new QTabBar(this)), frame_(new QFrame(this)), stack_(new QStackedWidget(this)) {
  setObjectName(component);
  setGeometry(geometry);
  bar_->setObjectName(component + "Tabs");
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  bar_->setGeometry(2, 0, geometry.width() - 4, kTop - 2);
  // Compact tabs, as the classic notebook draws them, so that eleven fit on one row.
  bar_->setStyleSheet(
      "QTabBar::tab { padding: 3px 6px; margin-top: 2px; border: 1px solid #a0a0a0; border-bottom: none;"
      " border-top-left-radius: 2px; border-top-right-radius: 2px; background: #e4e4e4; }"
      "QTabBar::tab:selected { margin-top: 0px; background: palette(window); }");
  frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  frame_->setGeometry(kSide - 2, kTop - 2, geometry.width() - 2 * kSide + 4, geometry.height() - kTop - kSide + 4);
  stack_->setGeometry(kSide, kTop, geometry.width() - 2 * kSide, geometry.height() - kTop - kSide);
  connect(bar_, &QTabBar::currentChanged, stack_, &QStackedWidget::setCurrentIndex);
}

QWidget* PageControl::addPage(const QString& component, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(component);
  page->setAutoFillBackground(true);  // a page hides whatever lies beneath the control
  stack_->addWidget(page);
  bar_->addTab(caption);
  return page;
}

}  // namespace qtfront
