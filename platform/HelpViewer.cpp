#include "HelpViewer.h"

#include "DialogStyle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace brinox {

namespace {

constexpr int kContentsTopic = 1;

QString MissingPage(bool fileRead, int number) {
    return fileRead
               ? HelpViewer::tr("<h2>Topic not found</h2><p>The help file has no topic "
                                "number %1.</p>")
                     .arg(number)
               : HelpViewer::tr("<h2>Help is not available</h2><p>The help file brinox.hlp "
                                "is missing or damaged. Reinstall the game to restore it.</p>");
}

} // namespace

HelpViewer::HelpViewer(const QString& helpPath, QWidget* parent)
    : QDialog(parent), fileRead(file.Load(helpPath)) {
    setWindowTitle(tr("Brinox 2000 Help"));
    contents = new QPushButton(tr("&Contents"), this);
    back = new QPushButton(tr("&Back"), this);
    forward = new QPushButton(tr("&Forward"), this);
    auto* close = new QPushButton(tr("Close"), this);
    for (QPushButton* button : {contents, back, forward, close}) {
        button->setAutoDefault(false);
    }
    text = new QTextBrowser(this);
    text->setOpenLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text);

    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kContentsTopic); });
    connect(back, &QPushButton::clicked, this, &HelpViewer::Back);
    connect(forward, &QPushButton::clicked, this, &HelpViewer::Forward);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(text, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    SetLarge(false);
    back->setEnabled(false);
    forward->setEnabled(false);
}

void HelpViewer::ShowTopic(int number) {
    if (!history.empty()) {
        history.resize(at + 1);
    }
    history.push_back(number);
    at = history.size() - 1;
    Display();
}

void HelpViewer::Back() {
    if (at > 0) {
        --at;
        Display();
    }
}

void HelpViewer::Forward() {
    if (at + 1 < history.size()) {
        ++at;
        Display();
    }
}

void HelpViewer::SetLarge(bool large) {
    if (largeText == (large ? 1 : 0)) {
        return;
    }
    largeText = large ? 1 : 0;
    // Dark like the game's other dialogs around a page that reads like paper.
    setStyleSheet(GameDialogStyle(large ? 16 : 13) +
                  QStringLiteral("QTextBrowser { color: #1b1b1b; background: #fbf7ea; "
                                 "border: 2px solid #3c4d74; padding: 4px; }"));
    // Fits beside the game's window on the screens each size is made for.
    resize(large ? QSize(640, 560) : QSize(460, 420));
}

void HelpViewer::PlaceBeside(const QRect& gameWindow) {
    const QScreen* screen = QGuiApplication::screenAt(gameWindow.center());
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    const QRect beside(gameWindow.topRight() + QPoint(8, 0), frameGeometry().size());
    if (room.contains(beside)) {
        move(beside.topLeft());
    }
}

void HelpViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        emit ActiveChanged(isActiveWindow());
    }
    QDialog::changeEvent(event);
}

void HelpViewer::Display() {
    const int number = CurrentTopic();
    const HelpTopic* topic = file.Topic(number);
    text->setHtml(topic != nullptr ? topic->html : MissingPage(fileRead, number));
    setWindowTitle(topic != nullptr ? tr("Brinox 2000 Help - %1").arg(topic->title)
                                    : tr("Brinox 2000 Help"));
    text->setAccessibleName(windowTitle()); // the topic's title
    back->setEnabled(at > 0);
    forward->setEnabled(at + 1 < history.size());
}

void HelpViewer::FollowLink(const QUrl& link) {
    const int number = HelpFile::LinkTarget(link.toString());
    if (number > 0) {
        ShowTopic(number);
    }
}

} // namespace brinox
