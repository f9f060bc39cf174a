// The small pictures of the options sheet that show what each block set and
// digit set looks like: cut from the same painters as the game's own strips,
// so a preview always matches what the set draws.
#pragma once

#include <QImage>

namespace brinox::art {

class PreviewArt {
public:
    // Seven blocks of the set side by side: the seven Quadel colours.
    static QImage BlockSet(int set);
    // The ten counter digits of the set.
    static QImage DigitSet(int set);
    // The arrow of a spin button in the gold of the sheet's headings.
    static QImage SpinArrow(bool up);
};

} // namespace brinox::art
