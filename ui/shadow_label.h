// The number labels: the text in its own colour over a black copy drawn two
// pixels right and down, on a transparent background.
#pragma once

#include <QLabel>

namespace numvella {

class ShadowLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ShadowLabel(QWidget *parent = nullptr);

 protected:
  void paintEvent(QPaintEvent *event) override;
};

}  // namespace numvella
