#pragma once

#include <QString>
#include <functional>

// The program's information messages: a modal box with one OK button, centred on the screen.
// Tests replace the presenter to record them instead.
namespace Messages {

using Presenter = std::function<void(const QString& text)>;

void information(const QString& text);

// Installs a presenter; an empty one restores the real message box.
void setPresenter(Presenter presenter);

} // namespace Messages
