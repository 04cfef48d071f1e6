#pragma once
// The image list of the page tabs: eight small 24 x 24 pictures drawn in code.
#include <QIcon>

namespace brenvox::gui {

inline constexpr int kPageIconCount = 8;
inline constexpr int kPageIconSize = 24;

// Picture `index` (0..7) of the image list.
QIcon PageIcon(int index);

}  // namespace brenvox::gui
