#pragma once
// Every way the tests reach inside the program, in one place; the program itself calls none of
// them. Each is defined beside the state it touches, and tests get this header through their
// support library.
#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

enum class MessageIcon;
enum class MessageButtons;
enum class MessageAnswer;

// Message boxes (ShowMessage): while capturing, no box is shown. Each call is recorded and
// answered from the queue, or with OK (for OK boxes) and No (for Yes/No boxes) when the queue is
// empty, so no test can leave a box waiting.
namespace MessageCapture {
struct Asked {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    friend bool operator==(const Asked &, const Asked &) = default;
};
void start(); // clears the record and the queue
void stop();
void queueAnswer(MessageAnswer answer);
QList<Asked> asked();
} // namespace MessageCapture

// The update reminder's today (Today); nullopt gives the clock back.
void SetTodayForTesting(std::optional<QDate> date);

// Pins the seed of the random numbers, so that every later Randomize() starts the same sequence;
// reseeds at once. nullopt seeds from the clock again.
void PinRandomSeedForTesting(std::optional<quint32> seed);

// Tests run many start-ups and ends in one process: puts the program back to running and, given a
// hook, lets EndProgram call it instead of ending.
namespace Program {
void ResetForTesting(std::function<void()> endProgramHook = {});
} // namespace Program
