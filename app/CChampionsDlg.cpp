#include "CChampionsDlg.h"

#include "DialogPicture.h"

#include "platform/DialogStyle.h"
#include "ui/AssetFiles.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace brinox {

namespace {

struct Champion {
    const char* name;
    const char* country;
};

// The first three places of each championship, first place first. The
// countries are translated where they are shown; the names stay as they are.
constexpr std::array<Champion, 3> kChampions2000 = {{
    {"Mikhail Sorokin", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Russia")},
    {"Anna Lindqvist", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Sweden")},
    {"Tomasz Wierzbicki", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Poland")},
}};
constexpr std::array<Champion, 3> kChampions2001 = {{
    {"Kenji Arakawa", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Japan")},
    {"Mikhail Sorokin", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Russia")},
    {"Laura Bianchi", QT_TRANSLATE_NOOP("brinox::CChampionsDlg", "Italy")},
}};

QLabel* Line(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// A winner: the portrait, then the place with the name, then the country.
QWidget* Winner(int year, int place, const Champion& champion, const std::string& appDirectory,
                QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    QLabel* portrait = DialogPicture(appDirectory, assets::ChampionPicture(year, place), box);
    portrait->setAccessibleName(QString::fromUtf8(champion.name));
    column->addWidget(portrait);
    column->addWidget(
        Line(QStringLiteral("%1. %2").arg(place).arg(QString::fromUtf8(champion.name)), box, true));
    column->addWidget(Line(CChampionsDlg::tr(champion.country), box));
    return box;
}

} // namespace

CChampionsDlg::CChampionsDlg(int year, const WebLinks& links, const std::string& appDirectory,
                             QWidget* parent)
    : QDialog(parent), top50Page(links.Top50Page(year)) {
    setWindowTitle(tr("Brinox World Championship %1 Champions").arg(year));
    setStyleSheet(GameDialogStyle(13));
    const auto& champions = year == 2000 ? kChampions2000 : kChampions2001;
    auto* layout = new QVBoxLayout(this);

    // A podium: the winner in the middle of the top row, second and third
    // below on either side, the decorative pictures in the free places.
    auto* podium = new QGridLayout;
    podium->addWidget(DialogPicture(appDirectory, assets::kChampionsDecor[0], this), 0, 0);
    podium->addWidget(Winner(year, 1, champions[0], appDirectory, this), 0, 1);
    podium->addWidget(DialogPicture(appDirectory, assets::kChampionsDecor[1], this), 0, 2);
    podium->addWidget(Winner(year, 2, champions[1], appDirectory, this), 1, 0);
    podium->addWidget(DialogPicture(appDirectory, assets::kChampionsDecor[2], this), 1, 1);
    podium->addWidget(Winner(year, 3, champions[2], appDirectory, this), 1, 2);
    layout->addLayout(podium);

    auto* top50 = new QPushButton(
        tr("Press this button to see Brinox World Championship %1 Top 50").arg(year), this);
    top50->setAutoDefault(false);
    top50->setMinimumHeight(32);
    layout->addWidget(top50);
    layout->addWidget(
        Line(tr("If you want to win Brinox World Championship %1").arg(year + 1), this));
    layout->addWidget(Line(tr("Send your results to the Internet !"), this, true));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(top50, &QPushButton::clicked, this, [this] { OpenWebAddress(top50Page); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace brinox
