#pragma once

#include <string>
#include <vector>

// Runs the program: creates the application and its windows, then the event
// loop. Returns the process exit code.
int ProgramMain(int argc, char** argv);

// The command-line parameters without the program name, as UTF-8.
std::vector<std::string> Aufrufparameter(int argc, char** argv);

// The program in an application that exists: the start, the event loop and
// the end; the exit code of the loop.
int ProgrammAusfuehren(const std::vector<std::string>& parameter);

// The start without the event loop, for the program and for tests: resets
// the shared state, shows the splash window and creates the windows in their
// order (the last one finishes the start); the tool windows and the overview
// are made when first opened (main/verbindungen.h). `parameter` are the command-line
// parameters without the program name. A QApplication must exist.
void ProgrammStarten(const std::vector<std::string>& parameter);

// Destroys every window that the start created, in reverse order.
void ProgrammBeenden();

// From now until the graph window first paints, the widgets of hidden
// windows are not polished (the program's start calls it before
// ProgrammStarten; the first picture comes sooner).
void PolierenNachDemBild();

// The value table, unless the start made it, is made once the graph window
// has painted for the first time (the program calls it before
// ProgrammStarten).
void WertetabelleNachDemBild();
