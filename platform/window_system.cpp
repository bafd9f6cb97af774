#include "platform/window_system.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace numvella {

FormWindow::FormWindow(WindowSystem &system, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), system_(system) {}

void FormWindow::escapePressed() { system_.destroyNow(this); }
void FormWindow::closeRequested() { system_.destroyNow(this); }

void FormWindow::keyPressEvent(QKeyEvent *event) {
  if (escCloses && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    escapePressed();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event) {
  // The window layer decides what closing means; Qt only hears about it.
  event->ignore();
  if (system_.isLoaded(this)) closeRequested();
}

void FormWindow::paintEvent(QPaintEvent *event) {
  if (backgroundPicture.isEmpty()) {
    QWidget::paintEvent(event);
    return;
  }
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (scaledBackground_.size() != pixels) {
    // Through QImage: a QPixmap loaded from a file would also stay in the
    // pixmap cache, keeping the picture in memory twice.
    QString file = backgroundPicture;
    const QString doubled = QString(file).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
    if (ratio > 1 && QFile::exists(doubled)) file = doubled;  // sharp on high-DPI screens
    scaledBackground_ = QPixmap::fromImage(
        QImage(file).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaledBackground_.setDevicePixelRatio(ratio);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, scaledBackground_);
}

WindowSystem::WindowSystem() {
  onProgramEnd = [] { QCoreApplication::exit(0); };
}

WindowSystem::~WindowSystem() {
  for (auto &entry : loaded_) delete entry.window.data();
}

QString WindowSystem::nameOf(const FormWindow *window) const {
  for (auto it = loaded_.cbegin(); it != loaded_.cend(); ++it)
    if (it->window == window) return it.key();
  return {};
}

FormWindow *WindowSystem::find(const QString &name) const {
  auto it = loaded_.constFind(name);
  return it == loaded_.cend() ? nullptr : it->window.data();
}

bool WindowSystem::isLoaded(const FormWindow *window) const { return !nameOf(window).isEmpty(); }

void WindowSystem::centre(QWidget *window, QSize outerSize) {
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->geometry();
  window->move(s.x() + (s.width() - outerSize.width()) / 2, s.y() + (s.height() - outerSize.height()) / 2);
}

FormWindow *WindowSystem::load(const QString &name, const Factory &create) {
  if (FormWindow *existing = find(name)) {
    if (existing->isMinimized())
      existing->showNormal();
    else
      existing->activateWindow();
    return nullptr;
  }
  QCoreApplication::processEvents();

  FormWindow *window = create();
  window->setObjectName(name);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  loaded_.insert(name, Loaded{window, {}, nullptr});
  const bool show = window->storedVisible;
  window->created();
  if (show && isLoaded(window)) {
    window->show();
    window->raise();
    window->activateWindow();
  }
  return window;
}

void WindowSystem::loadModal(const QString &name, const Factory &create) {
  if (find(name)) {
    load(name, create);
    return;
  }
  // Disable the others first, so that the window's created event already
  // runs with the rest of the program locked.
  QList<QPointer<QWidget>> disabled;
  for (auto &entry : loaded_)
    if (entry.window && entry.window->isEnabled()) {
      entry.window->setEnabled(false);
      disabled.append(entry.window.data());
    }
  FormWindow *window = load(name, [&] {
    FormWindow *w = create();
    w->setWindowModality(Qt::ApplicationModal);
    return w;
  });
  if (!window || !isLoaded(window)) {
    for (auto &w : disabled)
      if (w) w->setEnabled(true);
    return;
  }
  Loaded &entry = loaded_[name];
  entry.disabledByModal = disabled;
  QEventLoop loop;
  entry.waiting = &loop;
  loop.exec(QEventLoop::DialogExec);
}

void WindowSystem::destroyLater(FormWindow *window) {
  QPointer<FormWindow> guard(window);
  QTimer::singleShot(0, this, [this, guard] {
    if (guard) destroyNow(guard.data());
  });
}

void WindowSystem::destroyNow(FormWindow *window) {
  const QString name = nameOf(window);
  if (name.isEmpty()) return;
  Loaded entry = loaded_.take(name);
  for (auto &w : entry.disabledByModal)
    if (w) w->setEnabled(true);
  window->hide();
  // The window may be in the middle of one of its own event handlers.
  window->deleteLater();
  if (entry.waiting) entry.waiting->exit(0);
  if (loaded_.isEmpty() && !ended_) {
    ended_ = true;
    if (onProgramEnd) onProgramEnd();
  }
}

void WindowSystem::messageBox(const QString &text, const QString &caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace numvella
