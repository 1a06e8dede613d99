// Redrawing the board: the marks of the game in progress handed to the renderer.
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FullRedraw() { View.RedrawAll(); }

void TVelmor::RedrawTile(int tile) { View.RedrawTile(tile); }

void TVelmor::SetBoardScale(int scale) {
  if (!Looks.SetScale(scale)) return;
  // What was on the board is shown again: the background alone once a game is stopped or over.
  if (Current.Play.Stopped() || Current.Play.Over())
    ShowFond();
  else if (!Current.Play.Idle())
    View.Redraw();
  ShowPanelHOF();
  if (!Menus.ShowHallFame.Checked()) Pictures.SaveHof = Pictures.HofPic;
}

void TVelmor::ShadowsClick() {
  Menus.Shadows.Toggle();
  FullRedraw();
}

}  // namespace velmor
