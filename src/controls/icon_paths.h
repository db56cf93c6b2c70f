#pragma once
// Resource paths of the wizard's icons (resources/zor.qrc). "Hot" is the
// picture shown while the mouse is over a button or it is pressed.
namespace zor::icons {

// Registers the icon resources. They live in a static library, whose
// automatic registration the linker may drop; every user of a path calls it.
void ensure_loaded();

inline constexpr const char* kNextPageHot = ":/icons/arrow_right_hot.svg";
inline constexpr const char* kNextPage = ":/icons/arrow_right.svg";
inline constexpr const char* kPreviousPageHot = ":/icons/arrow_left_hot.svg";
inline constexpr const char* kPreviousPage = ":/icons/arrow_left.svg";
inline constexpr const char* kOpenFileHot = ":/icons/folder_open_hot.svg";
inline constexpr const char* kOpenFile = ":/icons/folder_open.svg";
inline constexpr const char* kRun = ":/icons/run.svg";
inline constexpr const char* kViewResult = ":/icons/view_result.svg";
inline constexpr const char* kTabBullet = ":/icons/tab_bullet.svg";
inline constexpr const char* kApplication = ":/icons/zor.svg";

}  // namespace zor::icons
