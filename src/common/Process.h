#pragma once

#include <QString>

// Starts outside programs from a command line, with the current directory and environment.
namespace Process {
enum class Wait { No, UntilEnded };
enum class Window { Shown, Hidden };

// Whether the program could be started; its exit code is not read.
bool run(const QString& commandLine, Wait wait, Window window = Window::Shown);
}
