// The real game window on a fresh copy of data/, for tests that click and look like a player.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"
#include "shell/TVelmor.h"

namespace velmor::test {

class GameWindow : public ::testing::Test {
 protected:
  std::filesystem::path folder;
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<TVelmor> game;
  std::unique_ptr<MainWindow> window;

  void SetUp() override;
  void TearDown() override;
  // Copies the shipped data into a new folder that plays the program's folder.
  void FreshFolder();
  // Creates the game and its window on `folder` and runs start-up; false if it refused.
  bool Start();
  void Close();
  // Pixels of the shown board that differ from the bare background.
  int TilePixelsOnScreen();
};

}  // namespace velmor::test
