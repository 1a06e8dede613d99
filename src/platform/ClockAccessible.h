// The game's clock as a screen reader sees it: a label named for what it counts, whose time is
// its text, read when the reader asks rather than spoken at every tick.
#pragma once

#include <QLabel>

namespace velmor {

// Makes `label` the clock a reader reads on demand, named `name`; again when the language changes.
void MakeReadableClock(QLabel* label, const QString& name);

}  // namespace velmor
