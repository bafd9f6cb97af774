// The skin library: gives the running application one consistent look from
// a .she skin (see skin_format.h).
//
// The program loads this file with dlopen and reaches it only through the
// two C functions at the bottom; everything else has hidden visibility. Once
// loaded, the library shares the program's Qt and therefore its qApp.
//
// A skin is applied as three things that work together:
//   - the Fusion style, wrapped so that check box and radio button
//     indicators are drawn in the skin's colours and corner radius;
//   - an application palette, so that everything the style sheet does not
//     name (message box text, menus, tool tips, ...) still matches;
//   - an application style sheet for buttons, edit boxes, message boxes and
//     scroll bars.
// Fonts are never touched, and neither are labels: the program's labels
// carry their own colours and fonts, often over pictures, and must keep a
// transparent background.

#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QString>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <utility>
#include <vector>

#include "skin_format.h"

#define SKINH_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct State {
  bool aero = false;
  bool attached = false;
  skinh::Skin skin;
  // The style we installed. QApplication owns and may delete it (when the
  // program installs another style); the guard then reads null and the
  // next apply installs a fresh one.
  QPointer<QStyle> style;
};

// Created on first use, not at load time: nothing here may run before the
// program has its QApplication.
State &state() {
  static State s;
  return s;
}

QColor colour(skinh::Role role) {
  const skinh::Colour &c = state().skin[role];
  return QColor(c.r, c.g, c.b, c.a);
}

QColor mixed(const QColor &a, const QColor &b, qreal t) {
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

bool isDark(const QColor &c) { return c.lightnessF() < 0.45; }

// Hover lightens a face and pressing darkens it; dark faces take larger
// steps, or the change would not show.
QColor hovered(const QColor &c) { return isDark(c) ? c.lighter(125) : mixed(c, Qt::white, 0.45); }

QColor pressed(const QColor &c) { return isDark(c) ? c.darker(125) : c.darker(108); }

// --------------------------------------------------------------- indicators

// Fusion with check box and radio button indicators in the skin's colours.
// They are drawn here rather than through ::indicator rules in the style
// sheet because style sheet indicators lose the check mark unless it comes
// from an image file, and the library carries no files.
class SkinStyle : public QProxyStyle {
 public:
  explicit SkinStyle(QStyle *base) : QProxyStyle(base) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
    if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) {
      drawIndicator(element == PE_IndicatorRadioButton, option, painter);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  static void drawIndicator(bool radio, const QStyleOption *option, QPainter *p) {
    const bool enabled = option->state & State_Enabled;
    const bool on = option->state & State_On;
    const bool partial = option->state & State_NoChange;
    const bool hover = enabled && (option->state & State_MouseOver);
    const bool down = enabled && (option->state & State_Sunken);
    const bool aero = state().aero;

    // A square indicator, centred, whatever shape the rectangle has.
    const int side = std::min(option->rect.width(), option->rect.height()) - 1;
    const QRectF box(option->rect.x() + (option->rect.width() - side) / 2.0 + 0.5,
                     option->rect.y() + (option->rect.height() - side) / 2.0 + 0.5, side - 1,
                     side - 1);

    const QColor highlight = colour(skinh::Highlight);
    const QColor base = colour(skinh::Base);
    QColor top, bottom, edge, mark;
    if (!enabled) {
      top = bottom = colour(skinh::Window);
      edge = mixed(colour(skinh::Border), colour(skinh::Window), 0.5);
      mark = colour(skinh::DisabledText);
    } else if (on || partial) {
      top = highlight.lighter(112);
      bottom = highlight;
      edge = highlight.darker(125);
      mark = colour(skinh::HighlightedText);
    } else {
      top = base;
      bottom = mixed(base, colour(skinh::ButtonBottom), 0.6);
      edge = hover ? highlight : colour(skinh::Border);
      mark = colour(skinh::Text);
    }
    if (down) {
      top = pressed(top);
      bottom = pressed(bottom);
    }
    if (aero && enabled && !(on || partial)) {
      top = withAlpha(top, 200);
      bottom = withAlpha(bottom, 150);
    }

    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p->setBrush(fill);
    p->setPen(QPen(edge, 1));
    const qreal radius = std::clamp(state().skin.radius / 2.0, 2.0, 4.0);
    if (radio)
      p->drawEllipse(box);
    else
      p->drawRoundedRect(box, radius, radius);

    if (radio && on) {
      const qreal r = box.width() * 0.2;
      p->setPen(Qt::NoPen);
      p->setBrush(mark);
      p->drawEllipse(box.center(), r, r);
    } else if (!radio && partial) {
      const qreal h = std::max(2.0, box.height() * 0.16);
      p->setPen(Qt::NoPen);
      p->setBrush(mark);
      p->drawRect(
          QRectF(box.left() + box.width() * 0.25, box.center().y() - h / 2, box.width() * 0.5, h));
    } else if (!radio && on) {
      QPainterPath tick;
      tick.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52);
      tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
      tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.30);
      p->setBrush(Qt::NoBrush);
      p->setPen(QPen(mark, std::max(1.5, box.width() * 0.14), Qt::SolidLine, Qt::RoundCap,
                     Qt::RoundJoin));
      p->drawPath(tick);
    }
    p->restore();
  }
};

// ------------------------------------------------------------------ palette

QPalette buildPalette() {
  const QColor window = colour(skinh::Window);
  const QColor button = mixed(colour(skinh::ButtonTop), colour(skinh::ButtonBottom), 0.5);
  const QColor border = colour(skinh::Border);
  const QColor disabled = colour(skinh::DisabledText);

  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, colour(skinh::WindowText));
  p.setColor(QPalette::Base, colour(skinh::Base));
  p.setColor(QPalette::AlternateBase, mixed(colour(skinh::Base), window, 0.5));
  p.setColor(QPalette::Text, colour(skinh::Text));
  p.setColor(QPalette::Button, button);
  p.setColor(QPalette::ButtonText, colour(skinh::ButtonText));
  p.setColor(QPalette::Highlight, colour(skinh::Highlight));
  p.setColor(QPalette::HighlightedText, colour(skinh::HighlightedText));
  p.setColor(QPalette::ToolTipBase, colour(skinh::Base));
  p.setColor(QPalette::ToolTipText, colour(skinh::Text));
  p.setColor(QPalette::PlaceholderText, disabled);
  p.setColor(QPalette::Link, colour(skinh::Highlight));
  p.setColor(QPalette::LinkVisited, colour(skinh::Highlight).darker(130));
  p.setColor(QPalette::BrightText, colour(skinh::HighlightedText));
  // The 3D shades Fusion uses for frames and separators, from the button
  // face towards the border colour.
  p.setColor(QPalette::Light, button.lighter(140));
  p.setColor(QPalette::Midlight, mixed(button, button.lighter(140), 0.5));
  p.setColor(QPalette::Mid, mixed(button, border, 0.5));
  p.setColor(QPalette::Dark, border);
  p.setColor(QPalette::Shadow, border.darker(180));

  for (auto role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
    p.setColor(QPalette::Disabled, role, disabled);
  p.setColor(QPalette::Disabled, QPalette::Base, window);
  p.setColor(QPalette::Disabled, QPalette::Highlight, mixed(colour(skinh::Highlight), window, 0.6));
  return p;
}

// -------------------------------------------------------------- style sheet

// Style sheet colours as #AARRGGBB, which keeps any transparency.
QString css(const QColor &c) {
  return c.alpha() == 255 ? c.name(QColor::HexRgb) : c.name(QColor::HexArgb);
}

QString vgradient(const QColor &top, const QColor &bottom) {
  return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
      .arg(css(top), css(bottom));
}

QString hgradient(const QColor &left, const QColor &right) {
  return QStringLiteral("qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2)")
      .arg(css(left), css(right));
}

// The "glass" face: a light sheen over the upper half, a sharp step at the
// middle, then the face colour; everything partly transparent so that the
// picture behind shows through.
QString glassGradient(const QColor &top, const QColor &bottom) {
  const QColor sheen = mixed(top, Qt::white, 0.7);
  return QStringLiteral(
             "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.46 %2, stop:0.5 %3, "
             "stop:1 %4)")
      .arg(css(withAlpha(sheen, 220)), css(withAlpha(top, 170)), css(withAlpha(bottom, 145)),
           css(withAlpha(bottom, 195)));
}

QString buildStyleSheet() {
  const bool aero = state().aero;
  const int radius = state().skin.radius;
  // Square corners of the text area would poke through a large rounded
  // frame, so multi-line edits keep a small radius.
  const int editRadius = std::min(radius, 4);

  const QColor window = colour(skinh::Window);
  const QColor base = colour(skinh::Base);
  const QColor top = colour(skinh::ButtonTop);
  const QColor bottom = colour(skinh::ButtonBottom);
  const QColor border = colour(skinh::Border);
  const QColor highlight = colour(skinh::Highlight);
  const QColor disabled = colour(skinh::DisabledText);
  const QColor trough = mixed(window, border, 0.18);

  const QString buttonFace = aero ? glassGradient(top, bottom) : vgradient(top, bottom);
  const QString buttonHover = aero ? glassGradient(hovered(top), hovered(bottom))
                                   : vgradient(hovered(top), hovered(bottom));
  // Pressed turns the gradient upside down, as if the face were pushed in.
  const QString buttonDown = aero ? glassGradient(pressed(bottom), pressed(top))
                                  : vgradient(pressed(bottom), pressed(top));
  const QString editFace = aero ? vgradient(withAlpha(base, 225), withAlpha(base, 175)) : css(base);
  const QString buttonBorder = aero ? css(withAlpha(border, 200)) : css(border);
  // Glass catches the light along its top edge.
  const QString buttonTopEdge =
      aero ? css(withAlpha(mixed(border, Qt::white, 0.6), 220)) : css(border);

  const std::vector<std::pair<QString, QString>> values = {
      {QStringLiteral("$(radius)"), QString::number(radius)},
      {QStringLiteral("$(editRadius)"), QString::number(editRadius)},
      {QStringLiteral("$(window)"), css(window)},
      {QStringLiteral("$(text)"), css(colour(skinh::Text))},
      {QStringLiteral("$(editFace)"), editFace},
      {QStringLiteral("$(editDisabled)"), css(aero ? withAlpha(window, 170) : window)},
      {QStringLiteral("$(buttonText)"), css(colour(skinh::ButtonText))},
      {QStringLiteral("$(buttonFace)"), buttonFace},
      {QStringLiteral("$(buttonHover)"), buttonHover},
      {QStringLiteral("$(buttonDown)"), buttonDown},
      {QStringLiteral("$(buttonDisabled)"),
       css(aero ? withAlpha(window, 215) : mixed(window, bottom, 0.4))},
      {QStringLiteral("$(buttonBorder)"), buttonBorder},
      {QStringLiteral("$(buttonTopEdge)"), buttonTopEdge},
      {QStringLiteral("$(border)"), css(border)},
      {QStringLiteral("$(borderDisabled)"), css(mixed(border, window, 0.5))},
      {QStringLiteral("$(highlight)"), css(highlight)},
      {QStringLiteral("$(highlightedText)"), css(colour(skinh::HighlightedText))},
      {QStringLiteral("$(disabled)"), css(disabled)},
      {QStringLiteral("$(trough)"), css(aero ? withAlpha(trough, 140) : trough)},
      // Handles are lit across their short side.
      {QStringLiteral("$(handleV)"), hgradient(top, bottom)},
      {QStringLiteral("$(handleH)"), vgradient(top, bottom)},
      {QStringLiteral("$(handleHover)"), css(mixed(mixed(top, bottom, 0.5), highlight, 0.3))},
  };

  // No font properties and no QLabel or bare QWidget selectors: see the
  // note at the top of this file.
  QString sheet = QStringLiteral(R"(
QPushButton {
    color: $(buttonText);
    background: $(buttonFace);
    border: 1px solid $(buttonBorder);
    border-top-color: $(buttonTopEdge);
    border-radius: $(radius)px;
    padding: 2px 1px;  /* the program's buttons are sized for their captions */
}
QPushButton:hover {
    background: $(buttonHover);
    border-color: $(highlight);
}
QPushButton:pressed, QPushButton:checked {
    background: $(buttonDown);
    border-color: $(highlight);
    padding-top: 3px;
    padding-bottom: 1px;
}
QPushButton:default {
    border-color: $(highlight);
}
QPushButton:disabled {
    color: $(disabled);
    background: $(buttonDisabled);
    border-color: $(borderDisabled);
}

QLineEdit, QTextEdit, QPlainTextEdit {
    color: $(text);
    background: $(editFace);
    border: 1px solid $(border);
    selection-color: $(highlightedText);
    selection-background-color: $(highlight);
}
QLineEdit {
    border-radius: $(radius)px;
    padding: 1px 4px;
}
QTextEdit, QPlainTextEdit {
    border-radius: $(editRadius)px;
    padding: 1px;
}
QLineEdit:hover, QTextEdit:hover, QPlainTextEdit:hover {
    border-color: $(highlight);
}
QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus {
    border: 1px solid $(highlight);
}
QLineEdit:disabled, QTextEdit:disabled, QPlainTextEdit:disabled {
    color: $(disabled);
    background: $(editDisabled);
    border-color: $(borderDisabled);
}

QMessageBox {
    background-color: $(window);
}
QMessageBox QPushButton {
    min-width: 64px;
}

QScrollBar:vertical {
    background: $(trough);
    width: 12px;
    margin: 0;
    border: none;
    border-radius: 6px;
}
QScrollBar:horizontal {
    background: $(trough);
    height: 12px;
    margin: 0;
    border: none;
    border-radius: 6px;
}
QScrollBar::handle:vertical {
    background: $(handleV);
    border: 1px solid $(border);
    border-radius: 5px;
    min-height: 24px;
    margin: 1px;
}
QScrollBar::handle:horizontal {
    background: $(handleH);
    border: 1px solid $(border);
    border-radius: 5px;
    min-width: 24px;
    margin: 1px;
}
QScrollBar::handle:hover {
    background: $(handleHover);
}
QScrollBar::add-line, QScrollBar::sub-line {
    width: 0;
    height: 0;
    border: none;
    background: none;
}
QScrollBar::add-page, QScrollBar::sub-page {
    background: none;
}

QToolTip {
    color: $(text);
    background-color: $(window);
    border: 1px solid $(border);
    padding: 2px;
}
)");
  // Every name ends in a parenthesis, so none can match inside a longer
  // one and the order of replacement does not matter.
  for (const auto &[name, value] : values) sheet.replace(name, value);
  return sheet;
}

QApplication *application() { return qobject_cast<QApplication *>(QCoreApplication::instance()); }

bool apply() {
  QApplication *app = application();
  if (app == nullptr) return false;
  State &st = state();
  if (st.style.isNull()) {
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (fusion == nullptr) return false;
    auto *style = new SkinStyle(fusion);
    QApplication::setStyle(style);  // the application takes ownership
    st.style = style;
  }
  // The palette after the style: installing a style resets it.
  QApplication::setPalette(buildPalette());
  app->setStyleSheet(buildStyleSheet());
  return true;
}

}  // namespace

// Switches the translucent "glass" look on (non-zero) or off. Remembered for
// skins attached later; re-applies the current skin at once if there is one.
SKINH_EXPORT int SkinH_SetAero(int on) {
  State &st = state();
  const bool wanted = on != 0;
  if (st.aero == wanted) return 0;
  st.aero = wanted;
  if (st.attached && !apply()) return 1;
  return 0;
}

#ifndef SKINH_WITHOUT_ATTACHRES
// Applies the skin in data[0 .. size) to the whole application.
//
// Returns 0 when the skin was applied, and also for size 0, which asks for
// nothing. Any other failure returns non-zero and leaves the current look as
// it was: 1 for a negative size or missing data, 2 for data that is not a
// skin, 3 when there is no QApplication to apply it to. Skins are not
// encrypted, so the password is accepted and not used; the last three
// arguments are reserved.
SKINH_EXPORT int SkinH_AttachRes(const unsigned char *data, int size, const char * /*password*/,
                                 int, int, int) {
  if (size == 0) return 0;
  if (size < 0 || data == nullptr) return 1;
  skinh::Skin skin;
  if (!skinh::parseSkin(data, static_cast<std::size_t>(size), skin)) return 2;
  if (application() == nullptr) return 3;
  State &st = state();
  st.skin = std::move(skin);
  st.attached = true;
  return apply() ? 0 : 3;
}
#endif
