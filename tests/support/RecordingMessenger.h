#pragma once

#include <deque>
#include <vector>

#include <QStringList>

#include "Messenger.h"

// A messenger for tests: records every message and question, and answers
// questions from a queue (No when the queue is empty).
class RecordingMessenger : public Messenger
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        Icon icon;
    };

    void showMessage(const QString &text, const QString &caption, Icon icon) override
    {
        messages.push_back({text, caption, icon});
    }

    Answer askYesNo(const QString &text) override
    {
        questions << text;
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    // Answers from `choices` (the safe button when it is empty).
    int askChoice(const QString &text, const QStringList &buttons, int safe) override
    {
        questions << text;
        choiceButtons.push_back(buttons);
        if (choices.empty())
            return safe;
        const int chosen = choices.front();
        choices.pop_front();
        return chosen;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &m : messages)
            result << m.text;
        return result;
    }

    std::vector<Shown> messages;
    QStringList questions;
    std::deque<Answer> answers;
    std::deque<int> choices;
    std::vector<QStringList> choiceButtons;
};
