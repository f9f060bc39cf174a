// "Interface", the second page of the options sheet: the background of the
// playing area (with the user's own colour), which bars are shown, the
// animated title, the colour-blind aid's piece marks, and the digit and block
// sets, each shown by its preview.
// The background list shows its entries in another order than the codes
// they stand for; "Define color..." is usable only with "User-defined color".
#pragma once

#include "engine/Options.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace brinox {

class CIntOpt : public QWidget {
    Q_OBJECT

public:
    CIntOpt(const Options& options, QWidget* parent = nullptr);

    // OK: writes the page's nine values into options.
    void Accept(Options& options) const;

    // The FieldBackground code of each list entry, in list order.
    static std::int32_t BackgroundOfEntry(int entry);

private:
    QGroupBox* BackgroundBox(std::int32_t background);
    QGroupBox* ViewBox(const Options& options);
    QGroupBox* SetBox(const QString& title, std::int32_t sets, std::int32_t columns,
                      std::int32_t chosen, bool blocks, QButtonGroup*& group);
    QCheckBox* Check(QWidget* box, const QString& text, std::int32_t value);

    void DefineColor();
    void ShowUserColor();

    std::int32_t userColor = 0;
    QComboBox* background = nullptr;
    QPushButton* defineColor = nullptr;
    QLabel* swatch = nullptr; // the user colour as it stands
    QCheckBox* nextBar = nullptr;
    QCheckBox* toolBar = nullptr;
    QCheckBox* animateTitle = nullptr;
    QCheckBox* statusBar = nullptr;
    QCheckBox* pieceMarks = nullptr;
    QButtonGroup* digitSets = nullptr;
    QButtonGroup* blockSets = nullptr;
};

} // namespace brinox
