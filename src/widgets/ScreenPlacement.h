#pragma once

class QWidget;

// Where a top-level window first appears.
namespace ScreenPlacement {
// Centred on its screen's free area; a window larger than the screen keeps its title bar on it.
void centre(QWidget& window);
}
