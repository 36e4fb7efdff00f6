#pragma once

#include <array>
#include <cstdint>

#include "platform/geometry.h"

// Where the windows and their controls sit, in twips: the one place the
// windows, the logic that resizes them, the tests and the end-to-end scripts
// (through the layout.sh the build writes) take these numbers from. A
// control's rectangle is relative to its container.
namespace yorvane::layout {

// The colour of the picker button, in either window.
inline constexpr uint32_t kPickerButtonColor = 0x008000;

namespace main_window {
// The window as created, before start-up gives it the size of a mode.
inline constexpr float kCreatedWidth = 6570;
inline constexpr float kCreatedHeight = 6195;
// Full-screen mode, and partial mode with the aspect frame shown.
inline constexpr float kFullWidth = 5565;
inline constexpr float kPartialWidth = 6630;
inline constexpr float kHeight = 3315;
// The tools frame steps right in partial mode, making room for the aspect frame.
inline constexpr float kToolsLeftFull = 4560;
inline constexpr float kToolsLeftPartial = 5640;

inline constexpr Rect kPanel{0, 0, 6915, 3495};
inline constexpr Rect kOneShotFrame{0, 0, 1695, 2655};
inline constexpr Rect kOneShotButton{240, 360, 1095, 375};
inline constexpr Rect kDelayFrame{240, 840, 1335, 1575};
// Elements 1, 2 and 4.
inline constexpr std::array<Rect, 3> kDelayOptions{
    {{240, 240, 735, 375}, {240, 600, 735, 375}, {240, 960, 735, 375}}};
inline constexpr Rect kSeriesFrame{1800, 0, 2655, 2655};
inline constexpr Rect kSeriesButton{120, 360, 855, 375};
inline constexpr Rect kCountList{240, 1200, 735, 1290};
inline constexpr Rect kCountImage{240, 960, 660, 240};
inline constexpr Rect kIntervalFrame{1320, 360, 1215, 2055};
// Elements 0 to 3.
inline constexpr std::array<Rect, 4> kIntervalOptions{
    {{360, 360, 615, 375}, {360, 720, 615, 375}, {360, 1080, 615, 375}, {360, 1440, 615, 375}}};
inline constexpr Rect kAspectFrame{kToolsLeftFull, 0, 975, 2055};
// Elements 0 to 3.
inline constexpr std::array<Rect, 4> kAspectOptions{
    {{120, 360, 615, 255}, {120, 720, 615, 255}, {120, 1080, 615, 255}, {120, 1440, 735, 255}}};
inline constexpr Rect kToolsFrame{kToolsLeftPartial, 0, 855, 2055};
inline constexpr Rect kEdgeTriggerBox{480, 240, 255, 375};
inline constexpr Rect kNumberButton{120, 720, 615, 375};
inline constexpr Rect kModeBox{120, 1200, 615, 375};
inline constexpr Rect kPickerButton{120, 1560, 615, 375};
inline constexpr Rect kCompactViewButton{120, 240, 195, 345};
inline constexpr Rect kEndSoundBox{3360, 2280, 1635, 200};
inline constexpr Rect kSaveSoundBox{3360, 2520, 2235, 200};
inline constexpr Rect kSoundFrame{3800, 2280, 1695, 375};
inline constexpr Rect kSnapshot{480, 3000, 7935, 4095};
inline constexpr Rect kSelection{840, 720, 1335, 855};
}  // namespace main_window

namespace toolbar_window {
inline constexpr Rect kWindow{4380, 1905, 1770, 375};
inline constexpr Rect kDragArea{0, 0, 1935, 375};
inline constexpr Rect kOneShotButton{120, 0, 375, 375};
inline constexpr Rect kSeriesButton{480, 0, 375, 375};
inline constexpr Rect kModeBox{840, 0, 375, 375};
inline constexpr Rect kPickerButton{1200, 0, 375, 375};
inline constexpr Rect kStandardViewButton{1560, 0, 195, 345};
}  // namespace toolbar_window

}  // namespace yorvane::layout
