// Names for the controls that Qt makes inside others and that have no caption
// of their own, so that a screen reader does not meet them unnamed: the list a
// combo box opens is named as the combo box's caption (the label whose buddy
// it is, otherwise the group it stands in, otherwise its window's title), and
// a tab widget, which hands the keyboard to its tab bar, as its current page.
// Names a dialog's own code has given are kept.
#pragma once

class QWidget;

namespace brinox {

// Names the inner controls of a built dialog (and of whatever it holds).
void NameInnerControls(QWidget& dialog);

} // namespace brinox
