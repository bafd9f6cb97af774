#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace numvella {

namespace {

class PrefixedLabel : public QAccessibleWidget {
 public:
  explicit PrefixedLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    auto *label = static_cast<QLabel *>(widget());
    if (t == QAccessible::Name) return label->property("accessiblePrefix").toString() + u'：' + label->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface *prefixedLabelFactory(const QString &, QObject *object) {
  auto *label = qobject_cast<QLabel *>(object);
  if (label && label->property("accessiblePrefix").isValid()) return new PrefixedLabel(label);
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(prefixedLabelFactory); }

}  // namespace numvella
