#pragma once

class QWidget;

namespace kelvaro {

// Catches SIGTERM and SIGINT (a desktop session ending, Ctrl+C in a terminal) from the very start,
// so that none of them kills the program; call first thing in main.
void catchTerminationSignals();

// Closes `window` for every caught signal, exactly as if the user had closed it; a signal caught
// before the event loop runs closes it as soon as the loop starts.
void closeOnTermination(QWidget &window);

} // namespace kelvaro
