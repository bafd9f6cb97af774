// The window layer on its own, with plain forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QThread>

#include "platform/qt_timer.h"
#include "platform/window_system.h"

using namespace numvella;

namespace {

struct Form : FormWindow {
  using FormWindow::FormWindow;
  std::function<void(Form *)> onCreated;
  void created() override {
    if (onCreated) onCreated(this);
  }
};

struct WindowSystemFixture : ::testing::Test {
  WindowSystem ws;
  int ends = 0;
  WindowSystemFixture() { ws.onProgramEnd = [this] { ++ends; }; }
  Form *make(QWidget *parent = nullptr) { return new Form(ws, parent, parent ? Qt::Dialog : Qt::Window); }
  // A window whose stored visible flag is off: loaded, never shown.
  Form *loadHidden(const QString &name) {
    return static_cast<Form *>(ws.load(name, [&] {
      Form *f = make();
      f->storedVisible = false;
      return f;
    }));
  }
};

}  // namespace

TEST_F(WindowSystemFixture, LoadRunsQueuedEventsThenCreatedThenShowsByTheStoredFlag) {
  bool queuedRan = false;
  QTimer::singleShot(0, [&] { queuedRan = true; });
  bool sawHidden = false;
  Form *a = static_cast<Form *>(ws.load("A", [&] {
    Form *f = make();
    f->onCreated = [&](Form *self) {
      EXPECT_TRUE(queuedRan);
      sawHidden = !self->isVisible();
      self->hide();  // does not stop the stored flag from showing it
    };
    auto *hiddenChild = new QLabel("x", f);
    hiddenChild->setVisible(false);
    return f;
  }));
  EXPECT_TRUE(sawHidden);
  EXPECT_TRUE(a->isVisible());
  EXPECT_FALSE(a->findChild<QLabel *>()->isVisible());

  Form *b = static_cast<Form *>(ws.load("B", [&] {
    Form *f = make();
    f->storedVisible = false;
    f->onCreated = [](Form *self) { self->show(); };
    return f;
  }));
  EXPECT_TRUE(b->isVisible()) << "shown by the created event, left so";

  // Loading a loaded window creates nothing.
  int created = 0;
  EXPECT_EQ(ws.load("A", [&] { ++created; return make(); }), nullptr);
  EXPECT_EQ(created, 0);
  EXPECT_EQ(ws.find("A"), a);
}

TEST_F(WindowSystemFixture, ModalLoadDisablesTheOthersUntilDestroyed) {
  Form *main = static_cast<Form *>(ws.load("Main", [&] { return make(); }));
  Form *hidden = loadHidden("Hidden");
  bool inside = false;
  // Loading runs queued events first, so poll for the dialog rather than
  // queueing a single call that would run before it exists.
  QTimer poll;
  poll.setInterval(1);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!ws.find("Dialog") || !ws.find("Dialog")->isVisible()) return;
    poll.stop();
    inside = true;
    EXPECT_FALSE(main->isEnabled());
    EXPECT_FALSE(hidden->isEnabled()) << "hidden windows too";
    FormWindow *dialog = ws.find("Dialog");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isEnabled());
    ws.destroyLater(dialog);
    EXPECT_EQ(ws.find("Dialog"), dialog) << "destruction is deferred";
  });
  poll.start();
  ws.loadModal("Dialog", [&] { return make(main); });
  EXPECT_TRUE(inside);
  EXPECT_EQ(ws.find("Dialog"), nullptr);
  EXPECT_TRUE(main->isEnabled());
  EXPECT_TRUE(hidden->isEnabled());
  EXPECT_EQ(ends, 0);
}

TEST_F(WindowSystemFixture, TheProgramEndsWhenTheLastWindowHiddenOnesIncludedIsDestroyed) {
  Form *a = static_cast<Form *>(ws.load("A", [&] { return make(); }));
  Form *b = loadHidden("B");
  QTest::keyClick(a, Qt::Key_Escape);  // Esc destroys at once
  EXPECT_EQ(ws.find("A"), nullptr);
  EXPECT_EQ(ends, 0) << "a hidden window remains";
  b->close();  // the close box too
  EXPECT_EQ(ws.find("B"), nullptr);
  EXPECT_EQ(ends, 1);
}

TEST_F(WindowSystemFixture, MessageBoxHasTheDefaultCaptionAndIsModalToTheProgram) {
  QString seen;
  QTimer::singleShot(0, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box";
      return;
    }
    seen = box->windowTitle() + "|" + box->text();
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    box->button(QMessageBox::Ok)->click();
  });
  ws.messageBox("正文");
  EXPECT_EQ(seen, "信息：|正文");
}

// The Qt timer behind the countdown: ticks arrive inside nested loops (a
// message box here), and a busy thread finds at most one tick waiting.
TEST(QtTimer, TicksReachNestedLoopsAndNeverPileUp) {
  PeriodTimer timer{std::make_unique<QtTimerBackend>()};
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.setPeriod(5);
  WindowSystem ws;
  QTimer poll;
  poll.setInterval(1);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (ticks < 3) return;
    poll.stop();
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
      box->button(QMessageBox::Ok)->click();
  });
  poll.start();
  ws.messageBox("tick tock");
  EXPECT_GE(ticks, 3);

  // Busy for many periods without an event loop, as a chain of deals is.
  QThread::msleep(60);
  ticks = 0;
  QCoreApplication::processEvents();
  EXPECT_LE(ticks, 1);
  timer.setPeriod(0);
}
