#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's message boxes. Every text is also printed on standard error, so a user who
// started the program from a terminal sees it. Tests replace the boxes with a recorder.
namespace Messages {

enum class Kind
{
    Information,
    Error
};

struct Shown
{
    Kind kind;
    QString text;
    QString detail;
};

using Recorder = std::function<void(const Shown &)>;

// An expected message: a modal box with one OK button and the exact text.
void show(const QString &text, const QString &detail = {});

// An unexpected error, shown with the error's own text.
void showError(const QString &text);

// Runs a command; a MirvoError or other exception it throws is shown and stops the command
// there. Returns false when the command failed.
bool guarded(const std::function<void()> &command);

// Replaces the boxes (nullptr restores them).
void setRecorder(Recorder recorder);

} // namespace Messages
