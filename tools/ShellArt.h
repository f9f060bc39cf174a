// The pictures of the information dialogs and the desktop icon: the About
// banner (the cathedral at dusk beside the title), a portrait for each of
// the first three places of the 2000 and 2001 championships, three
// decorative pictures for the Champions dialogs (cup, laurel, falling
// pieces), and the application icon at any size.
#pragma once

#include <QImage>

namespace brinox::art {

class ShellArt {
public:
    static QImage About();
    // place 1 to 3; each year and place has its own champion.
    static QImage Portrait(int year, int place);
    // 0 the cup, 1 the laurel, 2 the falling pieces.
    static QImage Decor(int index);
    // Square, transparent around a rounded tile; size in pixels.
    static QImage AppIcon(int size);
};

} // namespace brinox::art
