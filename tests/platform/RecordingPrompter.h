// A prompter for tests: records every box the code under test would show and
// answers its questions from a script (No once the script is used up), so
// that no modal widget ever opens. Install it for the life of a test:
//   RecordingPrompter prompter; ScopedPrompter scope(prompter);
#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

namespace brinox {

class RecordingPrompter : public Prompter {
public:
    struct Box {
        enum Type { Warning, Information, Question } type;
        QString caption;
        QString text;
        QWidget* parent;
    };

    void Show(QWidget* parent, MessageKind kind, const QString& caption,
              const QString& text) override {
        boxes.push_back({kind == MessageKind::Warning ? Box::Warning : Box::Information, caption,
                         text, parent});
    }

    bool Ask(QWidget* parent, const QString& caption, const QString& text) override {
        boxes.push_back({Box::Question, caption, text, parent});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers; // the Yes (true) or No of each coming question
    std::vector<Box> boxes;   // every box asked for, in order
};

// Installs a prompter and puts the default one back when it goes out of scope.
class ScopedPrompter {
public:
    explicit ScopedPrompter(Prompter& prompter) { InstallPrompter(&prompter); }
    ~ScopedPrompter() { InstallPrompter(nullptr); }
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;
};

} // namespace brinox
