#pragma once
// The platform's default error display: where failures end that no System
// Error window can take (the window's own, and those before it exists).

#include <QString>
#include <exception>

// A critical message box with the error's message, its whole context chain.
void ShowDefaultErrorDisplay(const std::exception& error);

// CR LF, CR and LF each as one "\n", the only break a label shows.
QString DisplayLineBreaks(const QString& text);
