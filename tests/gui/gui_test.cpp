// The Qt window under the offscreen platform: layout, keyboard, dialogs and the core's wiring.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "main_window.h"
#include "pages.h"
#include "recording.h"
#include "window.h"

namespace {

struct Seen {
  QString title;
  QString text;
  QMessageBox::Icon icon;
};

// Answers modal dialogs as they appear: message boxes with OK (recording what they showed), file
// dialogs through the test's own handler.
class ModalAnswerer {
 public:
  std::vector<Seen> seen;
  std::function<void(QFileDialog*)> onFileDialog = [](QFileDialog* d) { d->reject(); };
  QStringList menuItems;  // the captions of the last popup menu seen; its first item is chosen

  ModalAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }

 private:
  void answer() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      menuItems.clear();
      if (!menuChosen_)
        for (QAction* a : menu->actions()) menuItems << a->objectName() + "|" + a->text();
      // Chosen by the keyboard from a timer of its own: this timer's slot would not run again while
      // the sequence's dialogs wait for an answer.
      if (!menu->actions().isEmpty() && !menuChosen_) {
        menuChosen_ = true;
        QTimer::singleShot(0, menu, [menu] {
          menu->setActiveAction(menu->actions().first());
          QTest::keyClick(menu, Qt::Key_Return);
        });
      }
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.push_back({box->windowTitle(), box->text(), box->icon()});
      box->button(QMessageBox::Ok)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      onFileDialog(dialog);
    }
  }
  QTimer timer_;
  bool menuChosen_ = false;
};

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    recording::reset();
    window = std::make_unique<qtfront::MainWindow>(QCoreApplication::applicationFilePath());
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override { window.reset(); }

  template <typename T = QWidget>
  T* child(const char* name) {
    T* w = window->findChild<T*>(name);
    if (!w) ADD_FAILURE() << "no widget " << name;
    return w;
  }
  // Geometry relative to the window's client area.
  QRect inWindow(QWidget* w) { return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()); }

  std::unique_ptr<qtfront::MainWindow> window;
};

TEST_F(Window, MainComponentsSitWhereTheTablesPutThem) {
  namespace win = app::window;
  EXPECT_EQ(window->size(), QSize(1010, 838));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowTitle().startsWith("Utilizando a Escrivania.dll :: por "));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

  struct Case {
    const char* name;
    QRect geometry;  // relative to the parent
  };
  const Case cases[] = {
      {"Panel3", {734, 0, 276, 838}},    {"Panel1", {1, 1, 274, 836}},         {"PageControl1", {0, 0, 734, 838}},
      {"Panel2", {0, 0, 726, 121}},      {"PageControl2", {0, 121, 726, 689}}, {"Edit1", {130, 10, 367, 21}},
      {"Edit2", {130, 34, 367, 21}},     {"BitBtn1", {504, 10, 21, 21}},       {"BitBtn2", {504, 34, 21, 21}},
      {"Button95", {210, 660, 113, 25}}, {"Button7", {436, 494, 100, 25}},     {"GroupBox1", {7, 459, 258, 94}},
      {"Image1", {72, 80, 128, 91}},     {"Image3", {3, 272, 259, 158}},       {"Label7", {72, 184, 131, 24}},
      {"Label2", {8, 16, 116, 13}},      {"GroupBox6", {8, 4, 505, 189}},
  };
  for (const Case& c : cases) {
    QWidget* w = child(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), c.geometry) << c.name;
  }
  // Page clients are where the tables' coordinates start.
  EXPECT_EQ(inWindow(child("TabSheet1")).topLeft(), QPoint(4, 24));
  EXPECT_EQ(child("TabSheet1")->size(), QSize(726, 810));
  EXPECT_EQ(inWindow(child("TabSheet4")).topLeft(), QPoint(4 + 4, 24 + 121 + 24));
  EXPECT_EQ(child("TabSheet4")->size(), QSize(718, 661));
  EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull());
  EXPECT_FALSE(child<QLabel>("Image3")->pixmap().isNull());
}

TEST_F(Window, TabsAreInOrderAndTheFirstOfEachIsShown) {
  qtfront::PageControl* outer = window->pageControl1();
  qtfront::PageControl* inner = window->pageControl2();
  ASSERT_EQ(outer->count(), 2);
  EXPECT_EQ(outer->tabBar()->tabText(0), "SPED");
  EXPECT_EQ(outer->tabBar()->tabText(1), "Como Comprar?");
  const QStringList captions = {"Bloco 0", "Bloco 1", "Bloco B", "Bloco C", "Bloco D",           "Bloco E",
                                "Bloco G", "Bloco H", "Bloco K", "Bloco 9", "Funções Adicionais"};
  ASSERT_EQ(inner->count(), captions.size());
  for (int i = 0; i < inner->count(); ++i) EXPECT_EQ(inner->tabBar()->tabText(i), captions[i]);
  EXPECT_EQ(outer->currentIndex(), 0);
  EXPECT_EQ(inner->currentIndex(), 0);
}

TEST_F(Window, EveryTableButtonIsOnItsPageAsTheRowSays) {
  for (const app::Page* page : pages::kInnerPages) {
    QWidget* sheet = child(QByteArray(page->component.data(), page->component.size()).constData());
    ASSERT_NE(sheet, nullptr);
    for (const app::Button& b : page->buttons) {
      const QString name = QString::fromUtf8(b.component.data(), static_cast<qsizetype>(b.component.size()));
      auto* button = sheet->findChild<QPushButton*>(name);
      ASSERT_NE(button, nullptr) << name.toStdString();
      EXPECT_EQ(button->geometry(), QRect(b.rect.left, b.rect.top, b.rect.width, b.rect.height));
      EXPECT_EQ(button->text().toStdString(), b.caption);
      EXPECT_EQ(button->font().bold(), b.style == app::Style::Bold);
      EXPECT_EQ(button->font().underline(), b.style == app::Style::Underline);
      const std::string tip = b.tooltip.data() ? std::string(b.tooltip) : std::string();
      EXPECT_EQ(button->toolTip().replace("\n", "\r\n").toStdString(), tip) << name.toStdString();
    }
  }
}

TEST_F(Window, ExitButtonsShareAltRAndButton7LeadsTheKeyboardOrder) {
  auto* button7 = child<QPushButton>("Button7");
  auto* button95 = child<QPushButton>("Button95");
  EXPECT_EQ(button7->text(), "Sai&r");
  EXPECT_EQ(button95->text(), "Sai&r");
  EXPECT_TRUE(button7->font().bold());
  // Button7 lies beneath the inner page control, Button95 above it.
  QWidget* sped = child("TabSheet1");
  const auto order = sped->children();
  EXPECT_LT(order.indexOf(button7), order.indexOf(child("PageControl2")));
  EXPECT_GT(order.indexOf(button95), order.indexOf(child("PageControl2")));

  // Keyboard order of the page "SPED": Button7 first, then the directory panel.
  QApplication::setActiveWindow(window.get());
  window->pageControl1()->tabBar()->setFocus();
  const char* expected[] = {"Button7", "Edit1", "Edit2", "BitBtn1", "BitBtn2"};
  for (const char* name : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }

  QApplication::setActiveWindow(window.get());
  child("Edit1")->setFocus();
  QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
  QApplication::processEvents();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(recording::calls().empty());
}

TEST_F(Window, FormShowFillsTheDirectories) {
  const QString folder = QCoreApplication::applicationDirPath();
  EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "/");
  EXPECT_EQ(child<QLineEdit>("Edit2")->text(), folder);
}

TEST_F(Window, BrowseTakesTheChosenFilePathAndCancelChangesNothing) {
  ModalAnswerer answerer;
  const QString before = child<QLineEdit>("Edit2")->text();
  child<QPushButton>("BitBtn2")->click();  // the answerer cancels
  EXPECT_EQ(child<QLineEdit>("Edit2")->text(), before);

  const QString file = QCoreApplication::applicationDirPath() + "/PAIS.res";
  QString initialFolder;
  answerer.onFileDialog = [&](QFileDialog* d) {
    initialFolder = d->directory().absolutePath();
    d->selectFile(file);
    static_cast<QDialog*>(d)->accept();
  };
  child<QPushButton>("BitBtn1")->click();
  EXPECT_EQ(child<QLineEdit>("Edit1")->text(), file);
  EXPECT_EQ(initialFolder, QCoreApplication::applicationDirPath());
}

TEST_F(Window, OpeningButtonShowsTheBoxThenTheHandlersMessage) {
  ModalAnswerer answerer;
  recording::setResult("Inicia_SPED", -1);
  recording::setResult("Registro0000", -1);
  child<QLineEdit>("Edit1")->setText("/tmp/saída");
  child<QPushButton>("Button21")->click();
  ASSERT_EQ(answerer.seen.size(), 2u);
  EXPECT_EQ(answerer.seen[0].title, "Atenção");
  EXPECT_EQ(answerer.seen[0].text, "Erro durante chamada da função Inicia_SPED.");
  EXPECT_EQ(answerer.seen[0].icon, QMessageBox::Critical);
  EXPECT_EQ(answerer.seen[1].title, QString::fromStdString(window->form().applicationTitle()));
  EXPECT_EQ(answerer.seen[1].text, "Erro na chamada do Registro 0000, verifique o erro em /tmp/saída");
  EXPECT_EQ(answerer.seen[1].icon, QMessageBox::NoIcon);
  EXPECT_EQ(recording::calls().at(0).args.at(0), std::optional<std::string>("/tmp/sa\xED"
                                                                            "da"));
}

TEST_F(Window, RaisedFailureShowsTheErrorReportAndTheWindowStays) {
  ModalAnswerer answerer;
  recording::raiseIn("Registro9999", "falha na biblioteca");
  child<QPushButton>("Button182")->click();
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_EQ(answerer.seen[0].text, "falha na biblioteca");
  EXPECT_EQ(answerer.seen[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(Window, RightClickOffersTheSequenceWhichRunsOnEveryPageAndKeepsTheShownPage) {
  ModalAnswerer answerer;
  window->pageControl2()->setCurrentIndex(4);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 500), window->mapToGlobal(QPoint(300, 500)));
  QApplication::sendEvent(window.get(), &event);
  ASSERT_EQ(answerer.menuItems.size(), 1);
  EXPECT_TRUE(answerer.menuItems[0].startsWith("Sequencia0000000504500460046509901|Sequencia (21, 1, 2, 15,"));
  EXPECT_TRUE(QTest::qWaitFor([] { return recording::functionNames().size() >= 32; }, 5000));
  const auto names = recording::functionNames();
  ASSERT_EQ(names.size(), 32u);
  EXPECT_EQ(names.front(), "Inicia_SPED");
  EXPECT_EQ(names.back(), "Finaliza_SPED");
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_TRUE(answerer.seen[0].text.startsWith("Verifique os arquivo de saída em "));
  EXPECT_EQ(window->pageControl2()->currentIndex(), 4);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  application.setStyle(QStyleFactory::create("Fusion"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
