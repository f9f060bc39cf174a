#include "CWatchRowDlg.h"

#include "platform/DialogStyle.h"
#include "scores/CBestScoresDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace brinox {

namespace {

constexpr int kListWidth = 380;
// What a line's text may take of it: the list's frame and the item's margins aside.
constexpr int kTextWidth = kListWidth - 24;
// Of that, the name's part: the rest holds the row and any 32-bit score.
constexpr int kNameWidth = 200;

QString LineOf(const WatchFile::Replay& replay, const QFontMetrics& metrics) {
    QString line = CWatchRowDlg::tr("Row %1").arg(replay.row + 1);
    if (replay.entry) {
        // A character takes a pixel at least: the cut keeps a huge name from being laid out whole.
        const QString name = CBestScoresDlg::ShownText(replay.entry->name).left(kNameWidth);
        line += QStringLiteral(": ") + metrics.elidedText(name, Qt::ElideRight, kNameWidth) +
                QStringLiteral(", ") + QString::number(replay.entry->score);
    }
    return metrics.elidedText(line, Qt::ElideRight, kTextWidth);
}

} // namespace

CWatchRowDlg::CWatchRowDlg(const std::vector<WatchFile::Replay>& replays, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Watch a replay"));
    setObjectName(QStringLiteral("watchRowDialog"));
    setStyleSheet(GameDialogStyle(13));
    auto* column = new QVBoxLayout(this);
    auto* question = new QLabel(tr("Which row's game do you want to watch?"), this);
    column->addWidget(question);
    list = new QListWidget(this);
    list->setFixedWidth(kListWidth);
    question->setBuddy(list);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->ensurePolished(); // the type of the style sheet
    for (const WatchFile::Replay& replay : replays) {
        list->addItem(LineOf(replay, list->fontMetrics()));
    }
    list->setCurrentRow(0);
    column->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, this, &QDialog::accept);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

int CWatchRowDlg::Chosen() const {
    return list->currentRow();
}

} // namespace brinox
