// The help viewer: a window that shows one topic of brinox.hlp at a time,
// follows the topics' links, and walks back and forward through the topics
// seen, like a browser. It is a dialog so the help index can run it modally
// (the game then stands still) while context help just shows it beside the
// game. The file is read when the viewer is made; a missing or damaged file
// gives a page that says so instead of a topic.
//
// Invariant: the history is never empty once a topic was asked for, and
// `at` indexes its current entry.
#pragma once

#include "HelpFile.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace brinox {

class HelpViewer : public QDialog {
    Q_OBJECT

public:
    // helpPath: the full path of brinox.hlp.
    HelpViewer(const QString& helpPath, QWidget* parent);

    // Shows topic `number` as the newest step of the history (forward steps
    // are dropped); a number the file lacks shows the missing-topic page.
    void ShowTopic(int number);
    // One step back or forward in the history, when there is one.
    void Back();
    void Forward();
    // Text size and window size to suit the Normal or the Big game window;
    // a size the player gave the viewer stays until the game window's changes.
    void SetLarge(bool large);
    // Moves the viewer to the right of the game window when the screen has
    // room there, so the game stays in sight; otherwise placement is left alone.
    void PlaceBeside(const QRect& gameWindow);

    // The topic shown, 0 before the first ShowTopic.
    int CurrentTopic() const { return history.empty() ? 0 : history[at]; }
    QTextBrowser& Text() { return *text; }
    QPushButton& BackButton() { return *back; }
    QPushButton& ForwardButton() { return *forward; }

signals:
    // The viewer became the active window (true) or stopped being it (false).
    void ActiveChanged(bool active);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Display();
    void FollowLink(const QUrl& link);

    HelpFile file;
    bool fileRead = false;
    int largeText = -1; // -1 until SetLarge, then 0 or 1
    std::vector<int> history;
    std::size_t at = 0;

    QTextBrowser* text = nullptr;
    QPushButton* contents = nullptr;
    QPushButton* back = nullptr;
    QPushButton* forward = nullptr;
};

} // namespace brinox
