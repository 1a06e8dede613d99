// A bevelled panel that repeats a small picture over its whole inside.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace velmor {

class TWallpaper : public QFrame {
 public:
  enum class Bevel { None, Lowered, Raised };

  explicit TWallpaper(QWidget* owner);

  // The panel keeps its own copy; a null pixmap empties it. Either way the panel repaints.
  void SetWallpaper(const QPixmap& picture);
  const QPixmap& Wallpaper() const { return wallpaper_; }

  void SetBevels(Bevel outer, Bevel inner, int bevelWidth, int borderWidth);
  // Border width plus one bevel width per bevel that is shown.
  int Inset() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap wallpaper_;
  Bevel outer_ = Bevel::Raised, inner_ = Bevel::None;
  int bevelWidth_ = 1, borderWidth_ = 0;
};

// The toolbar picture: 100 x 32, silver with a stippled white wave from edge to edge, drawn in
// 16 colours. At a `scale` of 2 and more, the same wave at that many device pixels a pixel,
// shaded instead of stippled.
QPixmap MakeToolBitmap(int scale = 1);

}  // namespace velmor
