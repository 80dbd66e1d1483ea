#pragma once

#include <QApplication>
#include <QTimer>

#include <deque>
#include <functional>

// The first of the answers queued for a question, or `otherwise` once they have run out.
template <typename Answer> Answer NextAnswer(std::deque<Answer>& answers, Answer otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    Answer next = std::move(answers.front());
    answers.pop_front();
    return next;
}

// Answers the next modal dialog of type Dialog from inside its own event loop: `answer` sees it
// once it is up and must close it. The poll it returns may be deleted to stop waiting.
template <typename Dialog> QTimer* AnswerWhenShown(std::function<void(Dialog&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
    return poll;
}
