#pragma once

// What a window may ask of the program's other windows: each is loaded when it
// is first shown and unloaded when it closes, so a window never holds a pointer
// to another; it asks for it by name here.
class Forms {
 public:
  virtual ~Forms() = default;

  // Loads the window if it is not loaded, shows it and makes it the active window.
  virtual void showForm1() = 0;
  virtual void showForm2() = 0;
  virtual void showForm4() = 0;

  // Ends the program at once: no further events run.
  virtual void endProgram() = 0;
};
