#pragma once
// Every window a test makes is gone when the test ends; one left over fails
// it. The leak checker cannot see a window never freed: a new widget posts
// itself an event, and the main thread's list of posted events, which lives
// to the end, keeps the widget's address in its buffer even once the event is
// dropped, so the widget looks reachable. This listener, added by the window
// tests' main(), counts windows instead.

#include <QSet>
#include <gtest/gtest.h>

class QWidget;

namespace koratsu::testing {

class WindowsFreed : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo& test) override;
  void OnTestEnd(const ::testing::TestInfo& test) override;

 private:
  // What was there before the test, so a window left over is blamed once.
  QSet<QWidget*> before_;
};

}  // namespace koratsu::testing
