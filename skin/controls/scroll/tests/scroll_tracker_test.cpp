// A press on a scroll bar on a clock of its own: the messages sent, when
// they are sent, and how the action ends.
#include "skin/controls/scroll/scroll_tracker.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct TSent {
  int Time, Code, Pos;
  friend bool operator==(const TSent&, const TSent&) = default;
};

// A window on a fake clock: timers fire when their time comes, each tick
// sees the cursor where the test put it.
class TFakeWindow : public TacScrollHost {
 public:
  TacScrollTracker Tracker{*this};
  std::vector<TSent> Sent;
  std::vector<int> Drawn;  // pressed portion of each bar drawing
  bool Captured = false;
  TacBarCursor Cursor;
  int Now = 0;

  void SendScroll(int, int Code, int Pos) override { Sent.push_back({Now, Code, Pos}); }
  void StartTimer(unsigned Id, unsigned Ms) override { FTimers[Id] = {static_cast<int>(Ms), Now + static_cast<int>(Ms)}; }
  void StopTimer(unsigned Id) override { FTimers.erase(Id); }
  void CaptureMouse(bool On) override { Captured = On; }
  void DrawBar(int, int Pressed) override { Drawn.push_back(Pressed); }
  void DrawDrag(int, int) override {}

  void RunUntil(int time) {
    for (; Now < time; ++Now)
      for (auto it = FTimers.begin(); it != FTimers.end();) {
        auto& [id, timer] = *it++;
        if (timer.Due != Now) continue;
        timer.Due += timer.Interval;
        Tracker.Tick(id, Cursor);
      }
  }
  bool TimerRunning() const { return !FTimers.empty(); }

 private:
  struct TTimer {
    int Interval, Due;
  };
  std::map<unsigned, TTimer> FTimers;
};

std::vector<int> Times(const std::vector<TSent>& sent, int code) {
  std::vector<int> times;
  for (const TSent& s : sent)
    if (s.Code == code) times.push_back(s.Time);
  return times;
}

}  // namespace

TEST(ScrollTracker, HeldArrowRepeatsAfterTheDelayAndPausesOffTheArrow) {
  TFakeWindow window;
  window.Cursor = {5, spLineDown};
  ASSERT_TRUE(window.Tracker.Press(1, spLineDown, {}));
  EXPECT_TRUE(window.Captured);
  window.RunUntil(470);
  EXPECT_EQ(Times(window.Sent, spLineDown), (std::vector<int>{0, 355, 410, 465}));

  window.Cursor = {5, spPageDown};  // off the arrow: drawn released, nothing sent
  window.Tracker.Move(window.Cursor);
  window.RunUntil(700);
  EXPECT_EQ(window.Sent.size(), 4u);
  EXPECT_EQ(window.Drawn.back(), spNone);

  window.Cursor = {5, spLineDown};  // back on it: the repeat goes on at its pace
  window.Tracker.Move(window.Cursor);
  window.RunUntil(741);
  EXPECT_EQ(Times(window.Sent, spLineDown), (std::vector<int>{0, 355, 410, 465, 740}));
  EXPECT_EQ(window.Drawn.back(), spLineDown);

  ASSERT_TRUE(window.Tracker.Release());
  EXPECT_EQ(window.Sent.back(), (TSent{741, sbEndScroll, 0}));
  EXPECT_FALSE(window.Captured);
  EXPECT_FALSE(window.TimerRunning());
  EXPECT_EQ(window.Drawn.back(), spNone);
  EXPECT_FALSE(window.Tracker.Release());  // once only
}

TEST(ScrollTracker, PagePressStopsWhenTheThumbReachesTheCursor) {
  TFakeWindow window;
  window.Cursor = {150, spPageDown};
  ASSERT_TRUE(window.Tracker.Press(0, spPageDown, {}));
  window.RunUntil(400);
  window.Cursor = {150, spThumb};  // the window scrolled the thumb under the cursor
  window.RunUntil(600);
  EXPECT_EQ(Times(window.Sent, spPageDown), (std::vector<int>{0, 355}));
}

TEST(ScrollTracker, ThumbDragSendsEachNewPositionThenEndsWithTheLast) {
  // A vertical bar at 0, 217 long with arrows of 17: a track of 183.
  struct Case {
    TacScrollRange Range;
    std::vector<int> Moves;     // cursor positions along the bar
    std::vector<int> Tracked;   // positions sent while dragging
  } const cases[] = {
      {{0, 99, 10, 0}, {17, 17, 90, 90, 400}, {40, 90}},             // the same position is sent once
      {{0, 99, 10, 50}, {-100}, {0}},                                  // never below Min
      {{0, 99999, 20, 0}, {100, 5000}, {49691, 99980}},  // beyond 16 bits
  };
  for (const auto& c : cases) {
    TFakeWindow window;
    TacThumbDrag drag;
    drag.Range = c.Range;
    drag.Bar = {0, 217, 17};
    drag.ThumbLength = CalcThumb(c.Range, drag.Bar).Length;
    drag.Offset = 0;
    ASSERT_TRUE(window.Tracker.Press(1, spThumb, drag));
    EXPECT_TRUE(window.Tracker.ThumbTracking());
    for (int along : c.Moves) window.Tracker.Move({along, spThumb});
    std::vector<int> tracked;
    for (const TSent& s : window.Sent) tracked.push_back(s.Pos);
    EXPECT_EQ(tracked, c.Tracked);
    window.Tracker.Release();
    const int last = c.Tracked.back();
    ASSERT_GE(window.Sent.size(), 2u);
    EXPECT_EQ(window.Sent[window.Sent.size() - 2].Code, sbThumbPosition);
    EXPECT_EQ(window.Sent[window.Sent.size() - 2].Pos, last);
    EXPECT_EQ(window.Sent.back().Code, sbEndScroll);
    EXPECT_EQ(window.Sent.back().Pos, last);
  }
}

TEST(ScrollTracker, LostCaptureEndsTheActionAndAGoingWindowHearsNothingMore) {
  TFakeWindow window;
  TacThumbDrag drag;
  drag.Range = {0, 99, 10, 0};
  drag.Bar = {0, 217, 17};
  drag.ThumbLength = CalcThumb(drag.Range, drag.Bar).Length;
  ASSERT_TRUE(window.Tracker.Press(1, spThumb, drag));
  window.Tracker.Move({100, spThumb});
  window.Tracker.CaptureLost();
  EXPECT_FALSE(window.Tracker.Tracking());
  EXPECT_FALSE(window.Tracker.ThumbTracking());
  EXPECT_EQ(window.Sent.back().Code, sbEndScroll);
  // A new press works after that; a reset stops its timer and sends nothing.
  ASSERT_TRUE(window.Tracker.Press(1, spLineUp, {}));
  const size_t sent = window.Sent.size();
  window.Tracker.Reset();
  window.RunUntil(1000);
  EXPECT_EQ(window.Sent.size(), sent);
  EXPECT_FALSE(window.TimerRunning());
  EXPECT_FALSE(window.Tracker.Tracking());
}
