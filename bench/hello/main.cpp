// The floor under any Qt 6 Widgets game: one window of the size asked for, painted with one
// picture read from disk at start-up, and nothing else. bench/startup.sh times its first frame
// beside the game's first drawn board.
//   hello PICTURE WIDTH HEIGHT
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {

class Picture : public QWidget {
 public:
  explicit Picture(const QImage& image) : image_(image) { setWindowTitle(QStringLiteral("hello")); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(rect(), image_);
  }

 private:
  QImage image_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: hello PICTURE WIDTH HEIGHT\n");
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  const int width = QString::fromLatin1(argv[2]).toInt(), height = QString::fromLatin1(argv[3]).toInt();
  if (image.isNull() || width <= 0 || height <= 0) {
    std::fprintf(stderr, "hello: cannot read the picture %s, or the size is not a size\n", argv[1]);
    return 1;
  }
  Picture window(image);
  window.resize(width, height);
  window.show();
  return app.exec();
}
