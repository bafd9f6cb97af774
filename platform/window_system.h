// The window layer the game is written against.  Windows are forms: built
// afresh from their stored template at every load, identified by name while
// loaded.  Loading, modal waits, deferred destruction and the end of the
// program behave as the game's handlers rely on (see the comments below).
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QEventLoop;

namespace numvella {

class WindowSystem;

// A window built from a form.  Subclasses set storedVisible from their
// template and override created() for the window's created event.
class FormWindow : public QWidget {
  Q_OBJECT
 public:
  FormWindow(WindowSystem &system, QWidget *parent, Qt::WindowFlags flags);

  // Shown after loading when set; what created() does to visibility does not
  // change this.
  bool storedVisible = true;
  // Esc destroys the window (when the focused control leaves the key alone).
  bool escCloses = true;
  // Resource path of a picture drawn stretched over the whole client area.
  // Decoded when the window is first painted, not when it is built: the main
  // window is built long before it is shown.
  QString backgroundPicture;

  virtual void created() {}
  WindowSystem &windowSystem() { return system_; }

 protected:
  // Esc and the close box: destroy at once.  A window may do otherwise.
  virtual void escapePressed();
  virtual void closeRequested();
  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

 private:
  WindowSystem &system_;
  QPixmap scaledBackground_;  // the picture at the window's size, made once
};

class WindowSystem : public QObject {
  Q_OBJECT
 public:
  using Factory = std::function<FormWindow *()>;

  WindowSystem();
  ~WindowSystem() override;

  // Loads the window called name unless it is loaded.  A window that is
  // already loaded is restored if minimised, otherwise activated, and nothing
  // else happens.  Otherwise: queued events are processed, the window is
  // built hidden, its created event runs, and it is shown and activated if
  // its stored visible flag is set.
  FormWindow *load(const QString &name, const Factory &create);

  // As load, then disables every other window of the program (visible or
  // hidden) and waits in a nested event loop until the window is destroyed.
  void loadModal(const QString &name, const Factory &create);

  // The loaded window called name, or null.
  FormWindow *find(const QString &name) const;
  bool isLoaded(const FormWindow *window) const;

  // Deferred: carried out when an event loop next runs.
  void destroyLater(FormWindow *window);
  // At once (Esc, the close box).
  void destroyNow(FormWindow *window);

  // Text, an OK button and a caption, modal to the whole program; returns
  // when closed.
  void messageBox(const QString &text, const QString &caption = QStringLiteral("信息："));

  // Centres a window of the given outer size on the primary screen.
  static void centre(QWidget *window, QSize outerSize);

  // Called once the last window has been destroyed; ends the event loop
  // unless replaced.
  std::function<void()> onProgramEnd;
  bool ended() const { return ended_; }

 private:
  struct Loaded {
    QPointer<FormWindow> window;
    QList<QPointer<QWidget>> disabledByModal;
    QEventLoop *waiting = nullptr;
  };
  QHash<QString, Loaded> loaded_;
  bool ended_ = false;

  QString nameOf(const FormWindow *window) const;
};

}  // namespace numvella
