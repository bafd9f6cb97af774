#pragma once

namespace numvella {

class Program;

// The main window's created event: skin, intro, score and time budget.
void StartUp(Program &program);

// Applies the built-in skin with this number (1 to 33; any other number
// passes no data).  False when the program has been stopped.
bool ApplySkin(Program &program, int number);

// CheckAnswer's verdict window: modal, the main window as its parent.
void OpenResultWindow(Program &program);

}  // namespace numvella
