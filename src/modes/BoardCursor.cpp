#include "modes/BoardCursor.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace velmor {

namespace {

bool OnBoard(const BoardState& board, int tile) {
  return tile >= 1 && tile <= TileTotal && !board.TilePlace[static_cast<size_t>(tile)].empty();
}

struct Point {
  int x, y;
};
Point FaceCentre(const Place& p) {
  return {FaceLeft(p.column, p.layer) + FaceWidth / 2, TileTop(p.row, p.layer) + FaceHeight / 2};
}

// Reading order: row, column, then the upper layer first.
auto ReadingKey(const Place& p) { return std::tuple{p.row, p.column, -p.layer}; }

std::vector<int> FreeInReadingOrder(const BoardState& board, const Selectable& selectable) {
  std::vector<int> tiles;
  for (int t = 1; t <= TileTotal; ++t)
    if (OnBoard(board, t) && selectable(t)) tiles.push_back(t);
  std::sort(tiles.begin(), tiles.end(), [&board](int a, int b) {
    return ReadingKey(board.TilePlace[static_cast<size_t>(a)]) < ReadingKey(board.TilePlace[static_cast<size_t>(b)]);
  });
  return tiles;
}

}  // namespace

bool VisiblePoint(const BoardState& board, int tile, int& x, int& y) {
  if (!OnBoard(board, tile)) return false;
  const Place& p = board.TilePlace[static_cast<size_t>(tile)];
  const int left = FaceLeft(p.column, p.layer), top = TileTop(p.row, p.layer);
  // The middle first, then points round it: a tile half covered still shows the rest.
  for (int fx : {FaceWidth / 2, 6, FaceWidth - 6})
    for (int fy : {FaceHeight / 2, 6, FaceHeight - 6})
      if (WhatTileThere(board.BoardGrid, left + fx, top + fy) == tile) {
        x = left + fx;
        y = top + fy;
        return true;
      }
  return false;
}

bool TileVisible(const BoardState& board, int tile) {
  int x = 0, y = 0;
  return VisiblePoint(board, tile, x, y);
}

int CursorMove(const BoardState& board, int from, CursorStep step, const Selectable& selectable) {
  if (!OnBoard(board, from)) return FirstFreeTile(board, selectable);
  const Point a = FaceCentre(board.TilePlace[static_cast<size_t>(from)]);
  int best = from;
  long bestScore = 0, bestDistance = 0;
  int bestLayer = 0;
  for (int t = 1; t <= TileTotal; ++t) {
    if (t == from || !TileVisible(board, t)) continue;
    const Place& p = board.TilePlace[static_cast<size_t>(t)];
    const Point b = FaceCentre(p);
    const int dx = b.x - a.x, dy = b.y - a.y;
    int ahead = 0, across = 0;
    switch (step) {
      case CursorStep::Left:
        ahead = -dx, across = dy;
        break;
      case CursorStep::Right:
        ahead = dx, across = dy;
        break;
      case CursorStep::Up:
        ahead = -dy, across = dx;
        break;
      case CursorStep::Down:
        ahead = dy, across = dx;
        break;
    }
    // Less than a quarter face ahead is the same column or row, seen from a layer shift.
    const int minimum = (step == CursorStep::Left || step == CursorStep::Right) ? FaceWidth / 4 : FaceHeight / 4;
    if (ahead < minimum) continue;
    const long score = ahead + 2L * std::abs(across);
    const long distance = static_cast<long>(dx) * dx + static_cast<long>(dy) * dy;
    if (best == from || score < bestScore || (score == bestScore && p.layer > bestLayer) ||
        (score == bestScore && p.layer == bestLayer && distance < bestDistance)) {
      best = t;
      bestScore = score;
      bestLayer = p.layer;
      bestDistance = distance;
    }
  }
  return best;
}

int CursorNextFree(const BoardState& board, int from, bool backwards, const Selectable& selectable) {
  const std::vector<int> tiles = FreeInReadingOrder(board, selectable);
  if (tiles.empty()) return 0;
  if (!OnBoard(board, from)) return backwards ? tiles.back() : tiles.front();
  const auto key = ReadingKey(board.TilePlace[static_cast<size_t>(from)]);
  if (!backwards) {
    for (int t : tiles)
      if (ReadingKey(board.TilePlace[static_cast<size_t>(t)]) > key) return t;
    return tiles.front();
  }
  for (auto it = tiles.rbegin(); it != tiles.rend(); ++it)
    if (ReadingKey(board.TilePlace[static_cast<size_t>(*it)]) < key) return *it;
  return tiles.back();
}

int FirstFreeTile(const BoardState& board, const Selectable& selectable) {
  const std::vector<int> tiles = FreeInReadingOrder(board, selectable);
  return tiles.empty() ? 0 : tiles.front();
}

}  // namespace velmor
