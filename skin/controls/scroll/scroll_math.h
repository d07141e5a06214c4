#pragma once
// The arithmetic of a scroll bar without a window: the thumb's length and
// place for a range, which part of the bar a point is on, and the position a
// dragged thumb stands for. Coordinates run along the bar (x of a horizontal
// bar, y of a vertical one).
#include <cstdint>

inline constexpr int acScrollBtnLength = 16;
inline constexpr int acMinThumbSize = 16;

// The scroll data a window keeps for one bar.
struct TacScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// Parts of a bar; each number is the scroll code a press on the part sends.
enum TacScrollPortion : int {
  spNone = -1,
  spLineUp = 0,    // first arrow (left or top)
  spLineDown = 1,  // second arrow (right or bottom)
  spPageUp = 2,    // track before the thumb
  spPageDown = 3,  // track after the thumb
  spThumb = 5,
};

// The scroll codes the bars send beyond the portions'.
inline constexpr int sbThumbPosition = 4;
inline constexpr int sbThumbTrack = 5;
inline constexpr int sbEndScroll = 8;

// a x b / c with a 64-bit intermediate, rounded half away from zero; 0 for a
// divisor of 0 or below (never the -1 the system's answer would be).
int ScrollMulDiv(std::int64_t a, std::int64_t b, std::int64_t c);

// The highest position the window can scroll to: Max less the page beyond
// its first line, never below Min.
int MaxScrollPos(const TacScrollRange& Range);
// Pos limited to Min..MaxScrollPos.
int ClampScrollPos(const TacScrollRange& Range, int Pos);

// One bar along its length.
struct TacBarAxis {
  int Start = 0;     // first coordinate of the bar
  int Length = 0;    // the bar's length
  int Button = 0;    // the length of each arrow
  int MinThumb = acMinThumbSize;
  int End() const { return Start + Length; }
  int TrackLength() const { return Length - 2 * Button; }
};

struct TacThumb {
  int Length = 0;
  int Start = 0;  // in the bar's coordinates
  int End() const { return Start + Length; }
};

// The thumb for a range: as long as the page's share of the track, at least
// MinThumb (19 when the bar has no arrows), placed by the position's share.
// An empty range puts it at the track's start.
TacThumb CalcThumb(const TacScrollRange& Range, const TacBarAxis& Bar);

// The part of the bar under a coordinate along it (the caller has checked
// the other coordinate). A bar too short for its two arrows is two half-length
// arrows; a thumb that fills the track leaves neither thumb nor pages.
int ScrollHitTest(const TacScrollRange& Range, const TacBarAxis& Bar, int Along);

// A thumb drag from its start: where the cursor took hold of the thumb.
struct TacThumbDrag {
  TacScrollRange Range;  // the scroll data when the drag began
  TacBarAxis Bar;
  int ThumbLength = 0;
  int Offset = 0;  // cursor less thumb start at the press
  // The thumb's start for a cursor coordinate, kept inside the track.
  int ThumbStartAt(int Along) const;
  // The position that thumb start stands for: Min at the track's start,
  // MaxScrollPos at its end, never outside them.
  int PositionAt(int Along) const;
};

// The two arrows of a bar: each Button long, or half the bar each when the
// bar is too short for both.
int ArrowLength(const TacBarAxis& Bar);
