// The small seat picture of Player Settings: a 20 x 20 picture on white,
// scaled by the zoom, painted again every time the dialog repaints.
#pragma once

#include <QImage>
#include <QWidget>

namespace qf {

class SeatPreview : public QWidget {
  Q_OBJECT

 public:
  explicit SeatPreview(int zoom, QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int zoom_;
  QImage picture_;
};

}  // namespace qf
