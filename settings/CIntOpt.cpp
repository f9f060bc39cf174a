#include "CIntOpt.h"

#include "OptionPreviews.h"
#include "platform/ColorRef.h"
#include "platform/ModalRunner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace brinox {

namespace {

struct BackgroundEntry {
    const char* text;
    std::int32_t code;
};

// The list order, which is not the order of the codes. The texts are the
// page's (context "brinox::CIntOpt"), translated where they are listed.
constexpr std::array<BackgroundEntry, 5> kBackgrounds = {{
    {QT_TRANSLATE_NOOP("brinox::CIntOpt", "Grey field"), GreyField},
    {QT_TRANSLATE_NOOP("brinox::CIntOpt", "Color field"), ColorField},
    {QT_TRANSLATE_NOOP("brinox::CIntOpt", "3D field"), Field3D},
    {QT_TRANSLATE_NOOP("brinox::CIntOpt", "Fantasy field"), FantasyField},
    {QT_TRANSLATE_NOOP("brinox::CIntOpt", "User-defined color"), UserColor},
}};

int EntryOfBackground(std::int32_t code) {
    for (std::size_t entry = 0; entry < kBackgrounds.size(); ++entry) {
        if (kBackgrounds[entry].code == code) {
            return static_cast<int>(entry);
        }
    }
    return -1;
}

QPixmap Preview(const std::string& name) {
    return QPixmap(QString::fromLatin1(kPreviewPrefix) + QString::fromStdString(name));
}

} // namespace

std::int32_t CIntOpt::BackgroundOfEntry(int entry) {
    return kBackgrounds[static_cast<std::size_t>(entry)].code;
}

CIntOpt::CIntOpt(const Options& options, QWidget* parent)
    : QWidget(parent), userColor(options.userColor) {
    setObjectName(QStringLiteral("Interface"));
    // The block sets beside the background and the view, the digit sets in
    // one row below: the sheet stays narrow enough for a small screen.
    auto* left = new QVBoxLayout;
    left->addWidget(BackgroundBox(options.fieldBackground));
    left->addWidget(ViewBox(options));
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(SetBox(tr("Block Set"), kBlockSets, 2, options.blockSet, true, blockSets));
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(SetBox(tr("Digits Set"), kDigitSets, kDigitSets, options.digitSet, false,
                           digitSets)); // one row, left to right
    page->addStretch();
}

QGroupBox* CIntOpt::BackgroundBox(std::int32_t code) {
    auto* box = new QGroupBox(tr("Background of Playing Area"), this);
    background = new QComboBox(box);
    background->setObjectName(QStringLiteral("background"));
    for (const BackgroundEntry& entry : kBackgrounds) {
        background->addItem(tr(entry.text));
    }
    background->setCurrentIndex(EntryOfBackground(code));
    defineColor = new QPushButton(tr("Define color..."), box);
    defineColor->setEnabled(code == UserColor);
    connect(background, &QComboBox::currentIndexChanged, this, [this](int entry) {
        defineColor->setEnabled(entry >= 0 && BackgroundOfEntry(entry) == UserColor);
    });
    connect(defineColor, &QPushButton::clicked, this, &CIntOpt::DefineColor);
    swatch = new QLabel(box);
    swatch->setObjectName(QStringLiteral("userColor"));
    swatch->setAccessibleName(background->itemText(EntryOfBackground(UserColor)));
    swatch->setFixedSize(defineColor->sizeHint().height(), defineColor->sizeHint().height());
    ShowUserColor();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(defineColor);
    buttonRow->addWidget(swatch);
    buttonRow->addStretch();
    auto* column = new QVBoxLayout(box);
    column->addWidget(background);
    column->addLayout(buttonRow);
    return box;
}

QGroupBox* CIntOpt::ViewBox(const Options& options) {
    auto* box = new QGroupBox(tr("View"), this);
    auto* column = new QVBoxLayout(box);
    nextBar = Check(box, tr("Show Next Bar"), options.showNextBar);
    toolBar = Check(box, tr("Show Tool Bar"), options.showToolBar);
    animateTitle =
        Check(box, tr("Animate text of the window\u2019s title bar "), options.animateTitle);
    statusBar = Check(box, tr("Show Status Bar"), options.showStatusBar);
    pieceMarks = Check(box, tr("&Mark pieces with shapes"), options.pieceMarks);
    pieceMarks->setObjectName(QStringLiteral("pieceMarks"));
    for (QCheckBox* check : {nextBar, toolBar, animateTitle, statusBar, pieceMarks}) {
        column->addWidget(check);
    }
    return box;
}

QCheckBox* CIntOpt::Check(QWidget* box, const QString& text, std::int32_t value) {
    auto* check = new QCheckBox(text, box);
    check->setChecked(value != 0);
    return check;
}

// Sets fill the columns top to bottom, left column first.
QGroupBox* CIntOpt::SetBox(const QString& title, std::int32_t sets, std::int32_t columns,
                           std::int32_t chosen, bool blocks, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, this);
    group = new QButtonGroup(box);
    auto* grid = new QGridLayout(box);
    const std::int32_t rows = (sets + columns - 1) / columns;
    for (std::int32_t set = 0; set < sets; ++set) {
        auto* radio = new QRadioButton(box);
        const QPixmap preview = Preview(blocks ? BlockSetPreview(set) : DigitSetPreview(set));
        radio->setIcon(preview);
        radio->setIconSize(preview.size());
        // The object's name stays English whatever the language.
        radio->setObjectName(
            QStringLiteral("%1 %2").arg(blocks ? "Block Set" : "Digits Set").arg(set));
        radio->setAccessibleName(QStringLiteral("%1 %2").arg(title).arg(set));
        group->addButton(radio, set);
        grid->addWidget(radio, set % rows, set / rows);
    }
    if (QAbstractButton* button = group->button(chosen)) {
        button->setChecked(true);
    }
    return box;
}

void CIntOpt::DefineColor() {
    QColorDialog chooser(ColorOfRef(userColor), this);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    if (RunModal(chooser) == QDialog::Accepted) {
        userColor = RefOfColor(chooser.selectedColor());
        ShowUserColor();
    }
}

void CIntOpt::ShowUserColor() {
    swatch->setAccessibleDescription(ColorOfRef(userColor).name());
    swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #6d83b8;")
                              .arg(ColorOfRef(userColor).name()));
}

void CIntOpt::Accept(Options& options) const {
    options.userColor = userColor;
    if (background->currentIndex() >= 0) {
        options.fieldBackground = BackgroundOfEntry(background->currentIndex());
    }
    options.showNextBar = nextBar->isChecked() ? 1 : 0;
    options.showToolBar = toolBar->isChecked() ? 1 : 0;
    options.showStatusBar = statusBar->isChecked() ? 1 : 0;
    options.animateTitle = animateTitle->isChecked() ? 1 : 0;
    options.pieceMarks = pieceMarks->isChecked() ? 1 : 0;
    // A set no radio shows (from a file the game did not write) stays as it was.
    if (blockSets->checkedId() >= 0) {
        options.blockSet = blockSets->checkedId();
    }
    if (digitSets->checkedId() >= 0) {
        options.digitSet = digitSets->checkedId();
    }
}

} // namespace brinox
