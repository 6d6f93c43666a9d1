#pragma once

#include <QString>

#include <functional>

// Receives a message the learner must see (the window shows it in a message
// box and waits; tests collect it). The routine that reports goes on after
// the call returns.
using TMessageReporter = std::function<void(const QString &message)>;
