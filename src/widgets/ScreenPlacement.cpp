#include "widgets/ScreenPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void ScreenPlacement::centre(QWidget& window)
{
    const QRect screen = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen.center());
    window.move(std::max(frame.left(), screen.left()), std::max(frame.top(), screen.top()));
}
