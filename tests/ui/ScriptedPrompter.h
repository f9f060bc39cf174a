// Message boxes for the window tests: every box is recorded instead of shown,
// and questions are answered from a script (No once it is used up), so no
// modal widget ever opens.
#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

namespace brinox::test {

class ScriptedPrompter : public Prompter {
public:
    struct Box {
        enum Type { Warning, Information, Question } type;
        QString caption;
        QString text;
    };

    void Show(QWidget*, MessageKind kind, const QString& caption, const QString& text) override {
        boxes.push_back(
            {kind == MessageKind::Warning ? Box::Warning : Box::Information, caption, text});
    }

    bool Ask(QWidget*, const QString& caption, const QString& text) override {
        boxes.push_back({Box::Question, caption, text});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }

    std::deque<bool> answers; // Yes (true) or No for each coming question
    std::vector<Box> boxes;   // every box asked for, in order
};

} // namespace brinox::test
