#include "CAboutDlg.h"

#include "DialogPicture.h"

#include "platform/DialogStyle.h"
#include "ui/AssetFiles.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brinox {

namespace {

QLabel* CentredLine(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// One row of the Support group: caption, the address read-only, "Go".
QPushButton* AddLinkRow(QGridLayout& grid, int row, const QString& caption,
                        const QString& address) {
    QWidget* group = grid.parentWidget();
    auto* field = new QLineEdit(address, group);
    field->setReadOnly(true);
    field->setMinimumWidth(260);
    auto* go = new QPushButton(CAboutDlg::tr("Go"), group);
    go->setAutoDefault(false);
    auto* label = new QLabel(caption, group);
    label->setBuddy(field);
    // Two buttons of one text: each tells where it goes.
    go->setAccessibleDescription(address);
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    grid.addWidget(go, row, 2);
    return go;
}

} // namespace

CAboutDlg::CAboutDlg(const WebLinks& links, const std::string& appDirectory, QWidget* parent)
    : QDialog(parent), links(links) {
    setWindowTitle(tr("About Brinox 2000"));
    setStyleSheet(GameDialogStyle(13));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogPicture(appDirectory, assets::kAboutPicture, this));
    layout->addWidget(CentredLine(
        QStringLiteral("Brinox 2000: World Championship v2.25 , Build 21.28.05.03"), this));
    layout->addWidget(CentredLine(tr("for Windows 95/98/ME/NT/2000/XP"), this));
    layout->addSpacing(6);
    layout->addWidget(CentredLine(tr("Game, pictures and sounds by the Brinox 2000 team"), this));
    layout->addWidget(CentredLine(tr("This edition runs on Linux with Qt 6. Have fun!"), this));

    auto* support = new QGroupBox(tr("Support"), this);
    auto* grid = new QGridLayout(support);
    QPushButton* goHome = AddLinkRow(*grid, 0, tr("Brinox homepage:"), links.homepage);
    QPushButton* goMail = AddLinkRow(*grid, 1, tr("e-mail:"), links.supportEmail);
    layout->addWidget(support);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(goHome, &QPushButton::clicked, this, [this] { OpenWebAddress(this->links.homepage); });
    connect(goMail, &QPushButton::clicked, this, [this] { OpenMailTo(this->links.supportEmail); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace brinox
