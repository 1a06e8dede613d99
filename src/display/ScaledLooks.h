// The looks as read, at 1x, and the pictures the board is drawn from at a whole scale.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "display/ArtworkStore.h"
#include "display/Picture.h"

namespace velmor {

struct LookSource {
  Picture picture;  // empty: no picture (the plain "None" background, no tileset yet)
  std::string path;
};

// With a store, every picture made from artwork drawn for `scale` is taken from the store when it
// holds it and given to it when it is made.

// The look at `scale`: the artwork drawn for that scale when the file has some beside it, else its
// pixels repeated (a player's own picture).
Picture LookAtScale(const LookSource& source, int scale);

// The tileset picture, padded to its layout, and the sheet of ready-made tiles at `scale`. With no
// picture both are black, as before any tileset is read.
void MakeTilesetAtScale(const LookSource& source, int scale, Picture& tilesetPicture, Picture& tileSheet,
                        ArtworkStore* store = nullptr);

// The board-sized background at `scale`: the picture repeated over it, or the plain "None" one.
void MakeBackgroundAtScale(const LookSource& source, int scale, Picture& background, ArtworkStore* store = nullptr);

// The side panel's picture at `scale`: the look's, or a plain one of `panelWidth` at 1x when there
// is no picture.
Picture PanelAtScale(const LookSource& panel, int panelWidth, int scale, ArtworkStore* store = nullptr);

// Every look at `scale` at once: the tileset's pictures, the background and the side panel's
// picture (`panel` empty: a plain one of `panelWidth` at 1x). The files are read side by side, as a
// change of the window's scale waits for all of them.
struct LooksAtScale {
  Picture tilesetPicture, tileSheet, background, panel;
};
LooksAtScale MakeLooksAtScale(const LookSource& tileset, const LookSource& background, const LookSource& panel,
                              int panelWidth, int scale, ArtworkStore* store = nullptr);

// The scales other than `current` that a window on a screen of `width` x `height` device pixels
// can draw the board at, from 2x up, nearest first and the larger of two as near: those worth
// making ahead of the player's next resize.
std::vector<int> ScalesAhead(int current, int width, int height);

// Makes every picture drawn from artwork for each of `scales` that `store` does not hold yet and
// hands it over, one after another on the caller's thread; gives up between pictures once
// `stopping` is set. Looks with nothing drawn for a scale (a player's own pictures) are skipped.
void KeepLooksAhead(const LookSource& tileset, const LookSource& background, const LookSource& panel, int panelWidth,
                    const std::vector<int>& scales, ArtworkStore& store, const std::atomic<bool>& stopping);

}  // namespace velmor
