#include "main_window.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

#include "pages.h"
#include "window.h"

namespace qtfront {

namespace win = app::window;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }
QRect toQRect(const app::Rect& r) { return {r.left, r.top, r.width, r.height}; }

QColor colourOf(win::LabelColour c) {
  switch (c) {
    case win::LabelColour::Silver: return QColor(0xC0, 0xC0, 0xC0);
    case win::LabelColour::Red: return Qt::red;
    case win::LabelColour::Blue: return Qt::blue;
    case win::LabelColour::WindowText: break;
  }
  return QColor();
}

// A label that runs an action when clicked, for the two links of the contact page.
class LinkLabel final : public QLabel {
 public:
  LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

QLabel* makeLabel(const win::Label& l, QWidget* parent, std::function<void()> onClick = {}) {
  QLabel* label = onClick ? new LinkLabel(qs(l.text), parent, std::move(onClick)) : new QLabel(qs(l.text), parent);
  label->setObjectName(qs(l.component));
  QFont font = label->font();
  if (!l.family.empty()) font.setFamilies({qs(l.family), "Liberation Sans"});
  if (l.fontPixels) font.setPixelSize(l.fontPixels);
  font.setBold(l.bold);
  label->setFont(font);
  if (QColor c = colourOf(l.colour); c.isValid()) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, c);
    label->setPalette(p);
  }
  if (l.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  if (l.rect.width && l.rect.height) {
    label->setGeometry(toQRect(l.rect));
  } else {
    label->move(l.rect.left, l.rect.top);
    label->adjustSize();
  }
  return label;
}

// The open-folder picture of the browse buttons: the left half of the bitmap, its lower-left
// pixel's colour transparent.
QIcon folderIcon() {
  QImage strip(":/assets/pasta.bmp");
  QPixmap normal = QPixmap::fromImage(strip.copy(0, 0, 16, 16));
  normal.setMask(normal.createMaskFromColor(strip.pixelColor(0, 15)));
  QPixmap disabled = QPixmap::fromImage(strip.copy(16, 0, 16, 16));
  disabled.setMask(disabled.createMaskFromColor(strip.pixelColor(0, 15)));
  QIcon icon(normal);
  icon.addPixmap(disabled, QIcon::Disabled);
  return icon;
}

QMessageBox::Icon iconOf(app::Icon icon) {
  return icon == app::Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
}

}  // namespace

QFont defaultFont() {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

MainWindow::MainWindow(const QString& programPath) : form_(*this, utf8(programPath)) {
  setObjectName("Form1");
  setWindowTitle(qs(win::kCaptionStart) + qs(win::kAuthorCredit));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(win::kClientWidth, win::kClientHeight);
  setFont(defaultFont());

  pageControl1_ = new PageControl(this, "PageControl1", toQRect(win::kPageControl1));
  buildSpedPage(pageControl1_->addPage("TabSheet1", qs(win::kSpedTab)));
  buildContactPage(pageControl1_->addPage("TabSheet3", qs(win::kContactTab)));
  buildSidePanel();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::buildSidePanel() {
  auto* panel3 = new QFrame(this);
  panel3->setObjectName("Panel3");
  panel3->setGeometry(toQRect(win::kPanel3));
  panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* panel1 = new QFrame(panel3);
  panel1->setObjectName("Panel1");
  panel1->setGeometry(toQRect(win::kPanel1));
  panel1->setAutoFillBackground(true);
  QPalette white = panel1->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel1->setPalette(white);
  for (const auto& l : win::kSideLabels) makeLabel(l, panel1);
  for (const auto& p : win::kSidePictures) {
    auto* image = new QLabel(panel1);
    image->setObjectName(qs(p.component));
    image->setGeometry(toQRect(p.rect));
    image->setScaledContents(true);
    image->setPixmap(QPixmap(":/assets/" + qs(p.file)));
  }
  auto* legend = new QGroupBox(qs(win::kGroupBox1Caption), panel1);
  legend->setObjectName("GroupBox1");
  legend->setGeometry(toQRect(win::kGroupBox1));
  makeLabel(win::kLegend, legend);
}

void MainWindow::buildSpedPage(QWidget* page) {
  // Created first, so that the inner page control covers it; it still takes the keyboard first.
  auto* button7 = new QPushButton(qs(win::kExitCaption), page);
  button7->setObjectName("Button7");
  button7->setGeometry(toQRect(win::kButton7));

  auto* panel2 = new QFrame(page);
  panel2->setObjectName("Panel2");
  panel2->setGeometry(toQRect(win::kPanel2));
  panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  for (const auto& l : win::kDirectoryLabels) makeLabel(l, panel2);
  edit1_ = new QLineEdit(panel2);
  edit1_->setObjectName("Edit1");
  edit1_->setGeometry(toQRect(win::kEdit1));
  edit1_->setText("Edit1");
  edit2_ = new QLineEdit(panel2);
  edit2_->setObjectName("Edit2");
  edit2_->setGeometry(toQRect(win::kEdit2));
  edit2_->setText("Edit2");
  const QIcon folder = folderIcon();
  auto* bitBtn1 = new QPushButton(folder, QString(), panel2);
  bitBtn1->setObjectName("BitBtn1");
  bitBtn1->setGeometry(toQRect(win::kBitBtn1));
  auto* bitBtn2 = new QPushButton(folder, QString(), panel2);
  bitBtn2->setObjectName("BitBtn2");
  bitBtn2->setGeometry(toQRect(win::kBitBtn2));
  connect(bitBtn1, &QPushButton::clicked, this, [this] { form_.BitBtn1Click(); });
  connect(bitBtn2, &QPushButton::clicked, this, [this] { form_.BitBtn2Click(); });

  pageControl2_ = new PageControl(page, "PageControl2", toQRect(win::kPageControl2));
  for (const app::Page* table : pages::kInnerPages)
    buildInnerPage(pageControl2_->addPage(qs(table->component), qs(table->caption)), *table);

  auto* button95 = new QPushButton(qs(win::kExitCaption), page);
  button95->setObjectName("Button95");
  button95->setGeometry(toQRect(win::kButton95));

  // Both exit buttons show R as their access key; one shortcut serves them, since two buttons
  // sharing a mnemonic would only pass the focus between them.
  for (QPushButton* exit : {button7, button95}) {
    QFont bold = exit->font();
    bold.setBold(true);
    exit->setFont(bold);
    exit->setShortcut(QKeySequence());
    connect(exit, &QPushButton::clicked, this, [this] { form_.Button7Click(); });
  }
  auto* altR = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), this);
  connect(altR, &QShortcut::activated, this, [this] { form_.Button7Click(); });

  setTabOrder(button7, edit1_);
  setTabOrder(edit1_, edit2_);
  setTabOrder(edit2_, bitBtn1);
  setTabOrder(bitBtn1, bitBtn2);
  setTabOrder(bitBtn2, pageControl2_->tabBar());
}

void MainWindow::buildInnerPage(QWidget* page, const app::Page& table) {
  for (const app::Button& b : table.buttons) {
    auto* button = new QPushButton(qs(b.caption), page);
    button->setObjectName(qs(b.component));
    button->setGeometry(toQRect(b.rect));
    QFont font = button->font();
    font.setBold(b.style == app::Style::Bold);
    font.setUnderline(b.style == app::Style::Underline);
    button->setFont(font);
    if (b.colour == app::Colour::Grey) {
      QPalette p = button->palette();
      p.setColor(QPalette::ButtonText, Qt::gray);
      button->setPalette(p);
    }
    if (b.tooltip.data()) button->setToolTip(qs(b.tooltip).replace("\r\n", "\n"));
    connect(button, &QPushButton::clicked, this, [this, &b] { form_.click(b); });
  }
}

void MainWindow::buildContactPage(QWidget* page) {
  auto* group = new QGroupBox(page);
  group->setObjectName("GroupBox6");
  group->setGeometry(toQRect(win::kGroupBox6));
  QFont font = group->font();
  font.setPixelSize(win::kGroupBox6FontPixels);
  group->setFont(font);
  for (const auto& l : win::kContactLabels) {
    switch (l.link) {
      case win::Link::Web: makeLabel(l, group, [this] { form_.Label29Click(); }); break;
      case win::Link::Mail: makeLabel(l, group, [this] { form_.Label30Click(); }); break;
      case win::Link::None: makeLabel(l, group); break;
    }
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    form_.FormShow();
  }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  const auto items = app::popupMenu1();
  if (items.empty()) return;
  QMenu menu(this);
  menu.setObjectName("PopupMenu1");
  menu.setFont(defaultFont());
  for (const app::MenuItem& item : items) {
    QAction* action = menu.addAction(qs(item.caption));
    action->setObjectName(qs(item.component));
    connect(action, &QAction::triggered, this, [this, &item] { (form_.*item.handler)(); });
  }
  menu.exec(event->globalPos());
}

void MainWindow::showMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, qs(form_.applicationTitle()), qs(text), QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::messageBox(std::string_view text, std::string_view caption, app::Icon icon) {
  QMessageBox box(iconOf(icon), qs(caption), qs(text), QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::showFailure(std::string_view message) {
  QMessageBox box(QMessageBox::Critical, qs(form_.applicationTitle()), qs(message), QMessageBox::Ok, this);
  box.exec();
}

std::optional<std::string> MainWindow::openFile(std::string_view initialFolder) {
  QFileDialog dialog(this, QString(), qs(initialFolder));
  dialog.setObjectName("OpenDialog1");
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return utf8(dialog.selectedFiles().first());
}

void MainWindow::shellOpen(std::string_view target) { QDesktopServices::openUrl(QUrl(qs(target))); }

void MainWindow::closeWindow() { close(); }

std::string MainWindow::edit1() const { return utf8(edit1_->text()); }
std::string MainWindow::edit2() const { return utf8(edit2_->text()); }
void MainWindow::setEdit1(std::string_view text) { edit1_->setText(qs(text)); }
void MainWindow::setEdit2(std::string_view text) { edit2_->setText(qs(text)); }

}  // namespace qtfront
