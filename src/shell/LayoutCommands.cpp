// What follows a layout read, and the layout list as the start-up builds it.
#include <algorithm>
#include <map>
#include <string>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "base/Version.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutLibrary.h"
#include "shell/GameFolders.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::AfterLayoutRead() {
  ReachedRank = 0;
  if (StartingUp) {
    Current.Status.ShowUntilMove(
        Fill(platform.Translate(VELMOR_TEXT("Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !")),
             VELMOR_VERSION));
    return;
  }
  ShowStatus(Fill(VELMOR_TEXT("Layout %1 selected."), UpperCase(Layout.LayoutName)));
  BeginGame();
}

bool TVelmor::BuildLayoutList() {
  const bool listed = Listed.Build(Asked);
  Choice.Survey();
  return listed;
}

}  // namespace velmor
